// GL call counting for a throw-away build: force-included into every file (-include), it counts
// each OpenGL call and each explicit SDL_PumpEvents, and at exit prints them per picture put up.
// A picture ends at each swap or partial copy; the figures are the median picture's and the
// mean per picture of every call after the first 100 pictures (the steady frames of play).
// Used by bench/game/gl_calls.sh; never part of a real build.
#pragma once

#ifdef __cplusplus
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace ursa_gl_calls {

struct Counts {
  static constexpr size_t kSkipped = 100;
  std::map<std::string, long> sinceSkip;
  std::vector<long> perPicture;
  long inPicture = 0;
  ~Counts() {
    if (perPicture.size() <= kSkipped) {
      std::fprintf(stderr, "gl_calls: %zu pictures, too few to count\n", perPicture.size());
      return;
    }
    std::vector<long> sorted(perPicture.begin() + kSkipped, perPicture.end());
    std::sort(sorted.begin(), sorted.end());
    const double pictures = static_cast<double>(sorted.size());
    long total = 0;
    for (const long n : sorted) total += n;
    std::fprintf(stderr, "gl_calls: pictures %zu median %ld mean %.1f\n", sorted.size(),
                 sorted[sorted.size() / 2], static_cast<double>(total) / pictures);
    for (const auto& [name, n] : sinceSkip) {
      std::fprintf(stderr, "gl_calls:   %-28s %8.2f\n", name.c_str(),
                   static_cast<double>(n) / pictures);
    }
  }
};

inline Counts& Get() {
  static Counts counts;
  return counts;
}

inline void Call(const char* name) {
  Counts& c = Get();
  ++c.inPicture;
  if (c.perPicture.size() >= Counts::kSkipped) ++c.sinceSkip[name];
}

inline void Picture() {
  Counts& c = Get();
  c.perPicture.push_back(c.inPicture);
  c.inPicture = 0;
}

}  // namespace ursa_gl_calls

#define URSA_COUNTED(f) (ursa_gl_calls::Call(#f), (epoxy_##f))
#define epoxy_glActiveTexture(...) URSA_COUNTED(glActiveTexture)(__VA_ARGS__)
#define epoxy_glAttachShader(...) URSA_COUNTED(glAttachShader)(__VA_ARGS__)
#define epoxy_glBindBuffer(...) URSA_COUNTED(glBindBuffer)(__VA_ARGS__)
#define epoxy_glBindFramebuffer(...) URSA_COUNTED(glBindFramebuffer)(__VA_ARGS__)
#define epoxy_glBindRenderbuffer(...) URSA_COUNTED(glBindRenderbuffer)(__VA_ARGS__)
#define epoxy_glBindTexture(...) URSA_COUNTED(glBindTexture)(__VA_ARGS__)
#define epoxy_glBindVertexArray(...) URSA_COUNTED(glBindVertexArray)(__VA_ARGS__)
#define epoxy_glBlitFramebuffer(...) URSA_COUNTED(glBlitFramebuffer)(__VA_ARGS__)
#define epoxy_glBufferData(...) URSA_COUNTED(glBufferData)(__VA_ARGS__)
#define epoxy_glCheckFramebufferStatus(...) URSA_COUNTED(glCheckFramebufferStatus)(__VA_ARGS__)
#define epoxy_glClear(...) URSA_COUNTED(glClear)(__VA_ARGS__)
#define epoxy_glClearColor(...) URSA_COUNTED(glClearColor)(__VA_ARGS__)
#define epoxy_glClearDepth(...) URSA_COUNTED(glClearDepth)(__VA_ARGS__)
#define epoxy_glColorMask(...) URSA_COUNTED(glColorMask)(__VA_ARGS__)
#define epoxy_glCullFace(...) URSA_COUNTED(glCullFace)(__VA_ARGS__)
#define epoxy_glDepthFunc(...) URSA_COUNTED(glDepthFunc)(__VA_ARGS__)
#define epoxy_glDepthMask(...) URSA_COUNTED(glDepthMask)(__VA_ARGS__)
#define epoxy_glDisable(...) URSA_COUNTED(glDisable)(__VA_ARGS__)
#define epoxy_glDrawArrays(...) URSA_COUNTED(glDrawArrays)(__VA_ARGS__)
#define epoxy_glDrawElements(...) URSA_COUNTED(glDrawElements)(__VA_ARGS__)
#define epoxy_glEnable(...) URSA_COUNTED(glEnable)(__VA_ARGS__)
#define epoxy_glEnableVertexAttribArray(...) URSA_COUNTED(glEnableVertexAttribArray)(__VA_ARGS__)
#define epoxy_glFinish(...) URSA_COUNTED(glFinish)(__VA_ARGS__)
#define epoxy_glFramebufferRenderbuffer(...) URSA_COUNTED(glFramebufferRenderbuffer)(__VA_ARGS__)
#define epoxy_glFramebufferTexture2D(...) URSA_COUNTED(glFramebufferTexture2D)(__VA_ARGS__)
#define epoxy_glFrontFace(...) URSA_COUNTED(glFrontFace)(__VA_ARGS__)
#define epoxy_glGetBooleanv(...) URSA_COUNTED(glGetBooleanv)(__VA_ARGS__)
#define epoxy_glGetError(...) URSA_COUNTED(glGetError)(__VA_ARGS__)
#define epoxy_glGetFloatv(...) URSA_COUNTED(glGetFloatv)(__VA_ARGS__)
#define epoxy_glGetIntegerv(...) URSA_COUNTED(glGetIntegerv)(__VA_ARGS__)
#define epoxy_glGetString(...) URSA_COUNTED(glGetString)(__VA_ARGS__)
#define epoxy_glGetUniformLocation(...) URSA_COUNTED(glGetUniformLocation)(__VA_ARGS__)
#define epoxy_glIsEnabled(...) URSA_COUNTED(glIsEnabled)(__VA_ARGS__)
#define epoxy_glIsTexture(...) URSA_COUNTED(glIsTexture)(__VA_ARGS__)
#define epoxy_glPixelStorei(...) URSA_COUNTED(glPixelStorei)(__VA_ARGS__)
#define epoxy_glReadPixels(...) URSA_COUNTED(glReadPixels)(__VA_ARGS__)
#define epoxy_glRenderbufferStorage(...) URSA_COUNTED(glRenderbufferStorage)(__VA_ARGS__)
#define epoxy_glScissor(...) URSA_COUNTED(glScissor)(__VA_ARGS__)
#define epoxy_glTexImage2D(...) URSA_COUNTED(glTexImage2D)(__VA_ARGS__)
#define epoxy_glTexParameteri(...) URSA_COUNTED(glTexParameteri)(__VA_ARGS__)
#define epoxy_glTexSubImage2D(...) URSA_COUNTED(glTexSubImage2D)(__VA_ARGS__)
#define epoxy_glUniform1f(...) URSA_COUNTED(glUniform1f)(__VA_ARGS__)
#define epoxy_glUniform1i(...) URSA_COUNTED(glUniform1i)(__VA_ARGS__)
#define epoxy_glUniform2f(...) URSA_COUNTED(glUniform2f)(__VA_ARGS__)
#define epoxy_glUniform2i(...) URSA_COUNTED(glUniform2i)(__VA_ARGS__)
#define epoxy_glUniform3f(...) URSA_COUNTED(glUniform3f)(__VA_ARGS__)
#define epoxy_glUniform3fv(...) URSA_COUNTED(glUniform3fv)(__VA_ARGS__)
#define epoxy_glUniform4i(...) URSA_COUNTED(glUniform4i)(__VA_ARGS__)
#define epoxy_glUniformMatrix3fv(...) URSA_COUNTED(glUniformMatrix3fv)(__VA_ARGS__)
#define epoxy_glUniformMatrix4fv(...) URSA_COUNTED(glUniformMatrix4fv)(__VA_ARGS__)
#define epoxy_glUseProgram(...) URSA_COUNTED(glUseProgram)(__VA_ARGS__)
#define epoxy_glVertexAttribPointer(...) URSA_COUNTED(glVertexAttribPointer)(__VA_ARGS__)
#define epoxy_glViewport(...) URSA_COUNTED(glViewport)(__VA_ARGS__)
#define epoxy_glXQueryDrawable(...) URSA_COUNTED(glXQueryDrawable)(__VA_ARGS__)
#define epoxy_glXGetCurrentDisplay(...) URSA_COUNTED(glXGetCurrentDisplay)(__VA_ARGS__)
#define epoxy_glXGetCurrentDrawable(...) URSA_COUNTED(glXGetCurrentDrawable)(__VA_ARGS__)
#define epoxy_glXCopySubBufferMESA(...)                                   \
  (ursa_gl_calls::Call("glXCopySubBufferMESA"), ursa_gl_calls::Picture(), \
   (epoxy_glXCopySubBufferMESA))(__VA_ARGS__)

#if __has_include(<SDL.h>)
#include <SDL.h>
#define SDL_PumpEvents() (ursa_gl_calls::Call("SDL_PumpEvents"), SDL_PumpEvents())
#define SDL_GL_SwapWindow(window) \
  (ursa_gl_calls::Call("SDL_GL_SwapWindow"), ursa_gl_calls::Picture(), SDL_GL_SwapWindow(window))
#endif
#endif
