#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/ProjectFiles.h"
#include "cli/SameFile.h"

#include "core/common/WholeFile.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/project/ProjectRemap.h"

namespace mosaicor {

int RunRemap(const CliOptions& options) {
  const QString& input = options.inputs.front();
  for (const QString& read : {input, options.map})
    if (IsSameFile(options.output, read)) {
      ReportFailure(read, QStringLiteral("the output would overwrite this input"));
      return 1;
    }
  const Result<LevelProject> project = ReadProjectFile(input);
  if (!project) {
    ReportFailure(input, project.Text());
    return 1;
  }
  const Result<QByteArray> csv = ReadWholeFile(options.map, kMostMoveMapBytes);
  const Result<std::vector<CellMove>> moves =
      csv ? ReadMoveMap(csv.Value()) : Result<std::vector<CellMove>>(csv.Status());
  if (!moves) {
    ReportFailure(options.map, moves.Text());
    return 1;
  }
  const Result<QByteArray> remapped = RemappedProject(project.Value(), moves.Value());
  if (!remapped) {
    ReportFailure(input, remapped.Text());
    return 1;
  }
  if (Outcome<> written = WriteFileAtomically(options.output, remapped.Value()); !written) {
    ReportFailure(options.output, written.Text());
    return 1;
  }
  return 0;
}

}  // namespace mosaicor
