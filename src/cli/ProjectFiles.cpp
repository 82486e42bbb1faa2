#include "cli/ProjectFiles.h"

#include "core/common/WholeFile.h"
#include "core/project/ProjectRemap.h"

namespace mosaicor {

Result<LevelProject> ReadProjectFile(const QString& fileName) {
  Result<QByteArray> bytes = ReadWholeFile(fileName, kMostProjectBytes);
  if (!bytes) return bytes.Status();
  return ReadLevelProject(std::move(bytes).Value());
}

Result<QByteArray> RemappedProject(const LevelProject& project, const std::vector<CellMove>& moves) {
  Result<QByteArray> remapped = RemapProject(project, moves);
  if (!remapped) return remapped;
  const Result<LevelProject> again = ReadLevelProject(remapped.Value());
  if (!again || again->faces.size() != project.faces.size() || again->bytes.size() != project.bytes.size())
    return Failure<>{QStringLiteral("the rewritten project does not read back as the same project")};
  return remapped;
}

}  // namespace mosaicor
