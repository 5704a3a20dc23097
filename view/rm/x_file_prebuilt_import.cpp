// The browser's mesh import: the page's mesh files hold what ursa-xparse answered for each .x
// file on the build machine, so importing one reads that answer back; Assimp never runs here.
#include "view/rm/x_file.hpp"

namespace ursa::rm {

XFile ImportXFileIsolated(const std::string& bytes, const XFileImporter& /*importer*/) {
  XFile file = DeserializeImportAnswer(bytes);
  CheckXFile(file);
  return file;
}

}  // namespace ursa::rm
