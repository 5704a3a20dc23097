// Composing and drawing only what changed: a device image's noted changes, a new run of drawing,
// the box hidden and shown, the 16-bit switch, and the window drawn in part, each compared pixel
// by pixel with the whole picture made from scratch.
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "form_fixture.hpp"
#include "gl/render_target.hpp"
#include "gl/texture_changes.hpp"
#include "harness/virtual_clock.hpp"
#include "toolkit/composer.hpp"
#include "toolkit/scaler.hpp"
#include "toolkit/surface.hpp"
#include "toolkit/window_damage.hpp"

namespace ursa::tk {
namespace {

using ColorAt = std::function<uint32_t(int x, int y)>;

uint32_t BackingColor(int x, int y) { return PackColor(x & 0xF8, y & 0xFC, 0x40); }

class PartialComposeTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) form->Canvas().PSet(x, y, BackingColor(x, y));
    }
    ASSERT_TRUE(form->MakeContextCurrent());
    glGenTextures(1, &texture);
    gl::DefineColorTexture(texture, 640, 480, gl::Filter::kNearest);
    Paint({0, 0, 640, 480}, [](int x, int y) { return PackColor(0x80, x & 0xFF, y & 0xFF); });
    gl::TrackTexture(texture);
    device = [this](int x, int y) { return painted[y * 640 + x]; };
  }
  void TearDown() override {
    gl::ForgetTexture(texture);
    glDeleteTextures(1, &texture);
  }

  // Paints `rect` of the device image (rows from the top) as the renderer would draw it.
  void Paint(gl::Rect rect, const ColorAt& color) {
    painted.resize(640 * 480);
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
      for (int x = rect.x; x < rect.x + rect.width; ++x) painted[y * 640 + x] = color(x, y);
    }
    std::vector<uint8_t> texels(640 * 480 * 4);
    for (int glRow = 0; glRow < 480; ++glRow) {
      for (int x = 0; x < 640; ++x) {
        const uint32_t c = painted[(479 - glRow) * 640 + x];
        uint8_t* t = &texels[(glRow * 640 + x) * 4];
        t[0] = RedOf(c);
        t[1] = GreenOf(c);
        t[2] = BlueOf(c);
        t[3] = 255;
      }
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 640, 480, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
  }
  void Show() { form->Picture1().ShowDeviceImage({texture, 640, 480}); }

  // Pixels of the screenshot that differ from the backing image above the box and `inBox`
  // (device pixels, box-relative) in it.
  int Mismatches(const ColorAt& inBox) {
    const RgbImage shot = form->Screenshot();
    int wrong = 0;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        wrong += shot.At(x, y) != (y < 50 ? BackingColor(x, y) : inBox(x, y - 50));
      }
    }
    return wrong;
  }

  GLuint texture = 0;
  std::vector<uint32_t> painted;
  ColorAt device;
};

TEST_F(PartialComposeTest, NotedChangesReachThePictureAndAWholeNewRunRedrawsTheBox) {
  form->Picture1().SetVisible(true);
  Show();
  EXPECT_EQ(Mismatches(device), 0);
  // The renderer draws its viewport and notes it.
  Paint({120, 65, 400, 300}, [](int x, int y) { return PackColor(x & 0xFF, 0x33, y & 0xFF); });
  gl::NoteTextureChange(texture, {120, 65, 400, 300});
  Show();
  EXPECT_EQ(Mismatches(device), 0);
  // A new device may get the same texture name: its first image fills the whole box, noted
  // or not.
  Paint({0, 0, 640, 480}, [](int x, int y) { return PackColor(0x10, y & 0xFF, x & 0xFF); });
  gl::TrackTexture(texture);
  Show();
  EXPECT_EQ(Mismatches(device), 0);
}

TEST_F(PartialComposeTest, AHudChangeAndADeviceChangeInOnePresentBothShow) {
  form->Picture1().SetVisible(true);
  Show();
  form->Canvas().PSet(5, 5, kWhite);
  Paint({200, 100, 10, 10}, [](int, int) { return kWhite; });
  gl::NoteTextureChange(texture, {200, 100, 10, 10});
  Show();
  const RgbImage shot = form->Screenshot();
  EXPECT_EQ(shot.At(5, 5), kWhite);
  EXPECT_EQ(shot.At(205, 155), kWhite);
  EXPECT_EQ(shot.At(199, 149), device(199, 99));
}

TEST_F(PartialComposeTest, OnlyTheDrawnPartOfTheBackingIsCopiedAndItLandsInPlace) {
  form->Picture1().SetVisible(true);
  Show();
  // A run clock's cell, drawn over in every frame: the copy of that part alone must put each
  // pixel where it belongs, the rest of the picture kept.
  for (uint32_t color : {kWhite, kBlue}) {
    form->Canvas().Fill({500, 10, 70, 24}, color);
    Show();
    const RgbImage shot = form->Screenshot();
    int wrong = 0;
    for (int y = 0; y < 50; ++y) {
      for (int x = 0; x < 640; ++x) {
        const bool inCell = x >= 500 && x < 570 && y >= 10 && y < 34;
        wrong += shot.At(x, y) != (inCell ? color : BackingColor(x, y));
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(PartialComposeTest, ShownAgainTheBoxIsBlackThenTheWholeDeviceImage) {
  form->Picture1().SetVisible(true);
  Show();
  form->Picture1().SetVisible(false);
  Paint({0, 0, 640, 480}, [](int x, int y) { return PackColor(y & 0xFF, 0x77, x & 0xFF); });
  form->Picture1().SetVisible(true);
  EXPECT_EQ(Mismatches([](int, int) { return kBlack; }), 0);
  // Nothing was noted since the box last showed this texture, yet all of it is new there.
  Show();
  EXPECT_EQ(Mismatches(device), 0);
}

TEST_F(PartialComposeTest, SwitchingTo16BitReducesWhatTheBoxKeeps) {
  form->Picture1().SetVisible(true);
  Show();
  form->SetDisplayMode(640, 480, 16);
  const RgbImage shot = form->Screenshot();
  const auto reduced = [](uint32_t c) {
    const auto channel = [](uint8_t v, int bits) {
      const int kept = v >> (8 - bits);
      return static_cast<uint8_t>((kept << (8 - bits)) | (kept >> (2 * bits - 8)));
    };
    return PackColor(channel(RedOf(c), 5), channel(GreenOf(c), 6), channel(BlueOf(c), 5));
  };
  int wrong = 0;
  for (int y = 0; y < 480; y += 3) {
    for (int x = 0; x < 640; x += 3) {
      const uint32_t full = y < 50 ? BackingColor(x, y) : device(x, y - 50);
      wrong += shot.At(x, y) != reduced(full);
    }
  }
  EXPECT_EQ(wrong, 0);
}

// The scaled window drawn in part over an older picture equals the whole new picture.
class PartialScalingTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(form->MakeContextCurrent());
    composer = std::make_unique<Composer>(PictureBox::kBox);
    scaler = std::make_unique<Scaler>();
  }
  void Compose(const ColorAt& color) {
    SurfacePtr backing(SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888));
    for (int y = 0; y < 480; ++y) {
      auto* row =
          reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(backing->pixels) + y * backing->pitch);
      for (int x = 0; x < 640; ++x) row[x] = 0xFF000000 | color(x, y);
    }
    composer->UploadBacking(*backing);
    composer->Compose(false, false);
  }
  // Draws into a width x height target (made on first use) and reads it back, rows bottom up.
  std::vector<uint8_t> Draw(int width, int height, Rect area, bool bars) {
    if (framebuffer == 0) {
      glGenTextures(1, &target);
      glBindTexture(GL_TEXTURE_2D, target);
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                   nullptr);
      glGenFramebuffers(1, &framebuffer);
      glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
      glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target, 0);
    }
    scaler->DrawScaled(*composer, framebuffer, width, height, area, bars);
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return pixels;
  }
  void TearDown() override { Release(); }
  void Release() {
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &target);
    framebuffer = 0;
    target = 0;
  }

  std::unique_ptr<Composer> composer;
  std::unique_ptr<Scaler> scaler;
  GLuint framebuffer = 0;
  GLuint target = 0;
};

TEST_F(PartialScalingTest, DrawingTheChangedAreaGivesTheWholePicture) {
  const ColorAt before = [](int x, int y) { return (x + y) % 2 == 0 ? kWhite : kBlue; };
  const Rect changed{120, 115, 400, 300};  // the game's 3D view in the window
  const ColorAt after = [&](int x, int y) {
    const bool inside = x >= changed.x && x < changed.x + changed.width && y >= changed.y &&
                        y < changed.y + changed.height;
    return inside ? PackColor(x & 0xFF, y & 0xFF, (x * y) & 0xFF) : before(x, y);
  };
  const struct {
    int width, height;
  } sizes[] = {{640, 480}, {1280, 960}, {1920, 1080}, {1000, 700}, {800, 600}};
  for (const auto scaling :
       {Scaler::InBetweenScaling::kSharpBilinear, Scaler::InBetweenScaling::kNearest}) {
    scaler->SetInBetweenScaling(scaling);
    for (const auto& size : sizes) {
      const Rect whole{0, 0, size.width, size.height};
      Compose(before);
      Draw(size.width, size.height, whole, true);
      Compose(after);
      const std::vector<uint8_t> part = Draw(
          size.width, size.height, scaler->WindowArea(size.width, size.height, changed), false);
      Release();
      const std::vector<uint8_t> full = Draw(size.width, size.height, whole, true);
      Release();
      EXPECT_TRUE(part == full) << size.width << "x" << size.height << " scaling "
                                << static_cast<int>(scaling);
    }
  }
}

// A presenting window on the offscreen display, counting the pictures it puts up.
class PresentCountTest : public ::testing::Test {
 protected:
  void Open(bool vsync) {
    FormOptions options;
    options.windowed = true;
    options.clock = &clock;
    options.vsync = vsync;
    form = std::make_unique<Form1>(options);
    ASSERT_TRUE(form->MakeContextCurrent());
    std::vector<uint8_t> texels(640 * 480 * 4, 0x80);
    glGenTextures(1, &texture);
    gl::DefineColorTexture(texture, 640, 480, gl::Filter::kNearest);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    gl::TrackTexture(texture);
    form->Show();
    form->Picture1().SetVisible(true);
    // The window's own events (shown, exposed) are taken, and drawn for, first.
    form->DoEvents(clock.Milliseconds());
  }
  void TearDown() override {
    gl::ForgetTexture(texture);
    glDeleteTextures(1, &texture);
  }
  void Show() { form->Picture1().ShowDeviceImage({texture, 640, 480}); }

  harness::VirtualClock clock{1000};
  std::unique_ptr<Form1> form;
  GLuint texture = 0;
};

TEST_F(PresentCountTest, NothingChangedPresentsNothing) {
  Open(false);
  Show();
  const uint64_t shown = form->Presents();
  Show();  // the renderer left out a repeated frame: nothing noted
  form->DoEvents();
  EXPECT_EQ(form->Presents(), shown);
  gl::NoteTextureChange(texture, {120, 65, 400, 300});
  Show();
  EXPECT_EQ(form->Presents(), shown + 1);
  form->Canvas().PSet(1, 1, kWhite);
  form->DoEvents();
  EXPECT_EQ(form->Presents(), shown + 2);
  form->DoEvents();
  EXPECT_EQ(form->Presents(), shown + 2);
}

TEST_F(PresentCountTest, WithVsyncThePictureIsSwappedInThePumpsWaitNotInTheFrame) {
  Open(true);
  form->DoEvents(clock.Milliseconds());
  const uint64_t shown = form->Presents();
  gl::NoteTextureChange(texture, {120, 65, 400, 300});
  Show();
  EXPECT_EQ(form->Presents(), shown) << "the frame waited for the display's refresh";
  form->DoEvents(clock.Milliseconds() + 20);
  EXPECT_EQ(form->Presents(), shown + 1);
  // A frame drawn before any wait puts the last one up first.
  gl::NoteTextureChange(texture, {120, 65, 400, 300});
  Show();
  gl::NoteTextureChange(texture, {120, 65, 400, 300});
  Show();
  EXPECT_EQ(form->Presents(), shown + 2);
}

TEST_F(PresentCountTest, AHeldPictureGoesUpAtItsMomentInThePumpAndNotBefore) {
  Open(false);
  const uint64_t shown = form->Presents();
  const int64_t moment = clock.Milliseconds() + 12;
  form->PresentAt(moment);
  gl::NoteTextureChange(texture, {120, 65, 400, 300});
  Show();
  EXPECT_EQ(form->Presents(), shown) << "drawn, and held";
  form->DoEvents();
  EXPECT_EQ(form->Presents(), shown + 1);
  EXPECT_EQ(clock.Milliseconds(), moment) << "put up at its moment, not before";
  // The next picture is not held.
  gl::NoteTextureChange(texture, {120, 65, 400, 300});
  Show();
  EXPECT_EQ(form->Presents(), shown + 2);
  EXPECT_EQ(clock.Milliseconds(), moment);
}

TEST(WindowDamageTest, ABufferOfAgeNGetsTheChangesOfTheLastNFrames) {
  const Rect whole{0, 0, 100, 100};
  const Rect a{10, 10, 5, 5};
  const Rect b{50, 50, 10, 10};
  const Rect c{0, 90, 4, 4};
  WindowDamage damage;
  EXPECT_TRUE(damage.TakeInvalid()) << "a window never drawn is drawn whole";
  // Nothing known yet: whole window, whatever the age.
  EXPECT_EQ(damage.ToDraw(2, a, whole).width, 100);
  const Rect ab = damage.ToDraw(2, b, whole);  // the buffer holds the frame before a
  EXPECT_EQ(ab.x, 10);
  EXPECT_EQ(ab.y, 10);
  EXPECT_EQ(ab.width, 50);
  EXPECT_EQ(ab.height, 50);
  const Rect onlyC = damage.ToDraw(1, c, whole);
  EXPECT_EQ(onlyC.x, 0);
  EXPECT_EQ(onlyC.y, 90);
  EXPECT_EQ(onlyC.width, 4);
  const Rect bc = damage.ToDraw(3, {}, whole);  // lacks b and c
  EXPECT_EQ(bc.x, 0);
  EXPECT_EQ(bc.y, 50);
  EXPECT_EQ(bc.width, 60);
  EXPECT_EQ(bc.height, 44);
  EXPECT_EQ(damage.ToDraw(0, a, whole).width, 100) << "age 0: content unknown";
  EXPECT_EQ(damage.ToDraw(9, a, whole).width, 100) << "older than remembered";
  EXPECT_TRUE(damage.Resize(100, 100)) << "a first size is a new size";
  EXPECT_TRUE(damage.TakeInvalid()) << "a new size is drawn whole";
  EXPECT_FALSE(damage.Resize(100, 100));
  EXPECT_FALSE(damage.TakeInvalid());
  EXPECT_EQ(damage.ToDraw(2, a, whole).width, 100) << "forgotten after a resize";
  EXPECT_TRUE(IsEmpty(damage.ToDraw(1, {}, whole))) << "nothing changed: nothing to draw";
}

TEST(RectTest, IntersectionKeepsOnlySharedPixels) {
  const Rect box{0, 50, 640, 430};
  EXPECT_EQ(Intersection({120, 115, 400, 300}, box), (Rect{120, 115, 400, 300}));
  EXPECT_EQ(Intersection({-5, 40, 10, 20}, box), (Rect{0, 50, 5, 10}));
  EXPECT_TRUE(IsEmpty(Intersection({0, 0, 640, 50}, box))) << "touching edges share no pixel";
  EXPECT_TRUE(Contains(box, {0, 479, 640, 1}));
  EXPECT_FALSE(Contains(box, {0, 479, 640, 2}));
}

}  // namespace
}  // namespace ursa::tk
