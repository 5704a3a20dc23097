// Browser probe: the web libraries (SDL2, SDL2_ttf, FreeType, libpng, zlib) linked into one
// WebAssembly program that opens a WebGL 2 (ES 3.0) window, clears it and shows a line of text.
#include <GLES3/gl3.h>
#include <SDL.h>
#include <SDL_ttf.h>
#include <emscripten.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 200;
constexpr SDL_Color kBack{32, 48, 96, 255};
constexpr SDL_Color kInk{255, 240, 160, 255};

int Fail(const char* what) {
  std::printf("probe: FAIL %s: %s\n", what, SDL_GetError());
  return 1;
}

// Copies the text's pixels into the window: a read framebuffer on a texture, blitted with
// its rows turned over (SDL's rows run top down, GL's bottom up).
void ShowSurface(SDL_Surface* rgba, int x, int y) {
  GLuint texture = 0;
  GLuint frame = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, rgba->w, rgba->h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               rgba->pixels);
  glGenFramebuffers(1, &frame);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, frame);
  glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  const int top = kHeight - y;
  glBlitFramebuffer(0, 0, rgba->w, rgba->h, x, top, x + rgba->w, top - rgba->h, GL_COLOR_BUFFER_BIT,
                    GL_NEAREST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &frame);
  glDeleteTextures(1, &texture);
}

// Renders one line on the background colour (blending happens here, a blit does not blend).
SDL_Surface* RenderLine(TTF_Font* font, const char* text) {
  SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font, text, kInk);
  if (glyphs == nullptr) return nullptr;
  SDL_Surface* line = SDL_CreateRGBSurfaceWithFormat(0, glyphs->w, glyphs->h, 32,
                                                     SDL_PIXELFORMAT_ABGR8888);  // RGBA bytes
  SDL_FillRect(line, nullptr, SDL_MapRGBA(line->format, kBack.r, kBack.g, kBack.b, 255));
  SDL_BlitSurface(glyphs, nullptr, line, nullptr);
  SDL_FreeSurface(glyphs);
  return line;
}

}  // namespace

int main() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return Fail("SDL_Init");
  if (TTF_Init() != 0) return Fail("TTF_Init");
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
  SDL_Window* window = SDL_CreateWindow("probe", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                        kWidth, kHeight, SDL_WINDOW_OPENGL);
  if (window == nullptr) return Fail("SDL_CreateWindow");
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (context == nullptr) return Fail("SDL_GL_CreateContext");
  TTF_Font* font = TTF_OpenFont("/fonts/ipagp.ttf", 22);
  if (font == nullptr) return Fail("TTF_OpenFont");

  glViewport(0, 0, kWidth, kHeight);
  glClearColor(kBack.r / 255.0f, kBack.g / 255.0f, kBack.b / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  const int lineHeight = TTF_FontLineSkip(font);
  int ftMajor = 0;
  int ftMinor = 0;
  int ftPatch = 0;
  TTF_GetFreeTypeVersion(&ftMajor, &ftMinor, &ftPatch);
  char sdlVersions[80];
  std::snprintf(sdlVersions, sizeof sdlVersions,
                "SDL %d.%d.%d  SDL_ttf %d.%d.%d  FreeType %d.%d.%d", SDL_MAJOR_VERSION,
                SDL_MINOR_VERSION, SDL_PATCHLEVEL, SDL_TTF_MAJOR_VERSION, SDL_TTF_MINOR_VERSION,
                SDL_TTF_PATCHLEVEL, ftMajor, ftMinor, ftPatch);
  char fileVersions[80];
  std::snprintf(fileVersions, sizeof fileVersions, "libpng %s  zlib %s",
                png_get_libpng_ver(nullptr), zlibVersion());
  const char* lines[] = {"Ursa on WebGL 2: 文字も表示",
                         reinterpret_cast<const char*>(glGetString(GL_VERSION)), sdlVersions,
                         fileVersions};
  int y = 16;
  for (const char* text : lines) {
    SDL_Surface* line = RenderLine(font, text);
    if (line == nullptr) return Fail("TTF_RenderUTF8_Blended");
    ShowSurface(line, 16, y);
    SDL_FreeSurface(line);
    y += lineHeight;
  }

  // Counts the pixels the text changed, read back from the window before it is shown.
  std::vector<unsigned char> pixels(kWidth * kHeight * 4);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  int inked = 0;
  for (size_t i = 0; i < pixels.size(); i += 4) {
    if (pixels[i] != kBack.r || pixels[i + 1] != kBack.g || pixels[i + 2] != kBack.b) ++inked;
  }
  std::printf("probe: GL_VERSION %s\n", reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  std::printf("probe: %s  %s\n", sdlVersions, fileVersions);
  const GLenum error = glGetError();
  std::printf("probe: GL error %#x, inked pixels %d\n", error, inked);
  std::printf("probe: %s\n", error == GL_NO_ERROR && inked > 0 ? "OK" : "FAIL");
  SDL_GL_SwapWindow(window);
  return 0;
}
