// gl::Program: a linked shader program built from vertex and fragment source, owned by value.
// A compile or link failure throws gl::Error with the driver's log.
#pragma once

#include <string>

namespace ursa::gl {

class Program {
 public:
  // Compiles and links; the context must be current. `operation` names the failure.
  Program(const std::string& operation, const char* vertexSource, const char* fragmentSource);
  // Deletes the program; the context must be current, or the program abandoned.
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  unsigned Name() const { return name_; }
  // The location of a uniform, -1 when the program has none of that name.
  int Uniform(const char* name) const;
  // Forgets the program without deleting it, for when its context is gone with it.
  void Abandon() { name_ = 0; }

 private:
  unsigned name_ = 0;
};

}  // namespace ursa::gl
