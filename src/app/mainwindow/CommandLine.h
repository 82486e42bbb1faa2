#pragma once
// The desktop program's command line: `mosaicor [SOURCE] [--target TEXTURESET] [--language CODE]`, and opening
// those files as a drop on the Source and a Reload of the Target would.

#include <QString>
#include <QStringList>

namespace mosaicor {

class Workbench;

struct StartupFiles {
  QString source;    // a level or a picture, or empty
  QString target;    // a texture set, or empty
  QString language;  // the window's language as ResolveLanguage gives it, or empty for the system's
};

// Parses the arguments (the program's name first). --help and --version print and exit the
// program, as a wrong option or a language without translation does with its message.
StartupFiles ParseCommandLine(const QStringList& arguments);

// Opens the files; one that cannot be opened is reported as the window reports it, and the
// window goes on with what it has.
void OpenStartupFiles(Workbench& bench, const StartupFiles& files);

}  // namespace mosaicor
