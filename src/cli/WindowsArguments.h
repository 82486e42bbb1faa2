#pragma once
// What a Windows shell leaves to the program: wildcards, which Command Prompt and PowerShell pass on
// as they are, and the quoting rule that turns \" into a quote. Elsewhere the shell has done its
// part and these change nothing.

#include <QString>
#include <QStringList>

namespace mosaicor {

// The files an input names: on Windows an input with * or ? in its last part becomes the files of
// its folder that match (in name order); one that matches nothing stays as it is, to be reported
// as not found. Elsewhere the input itself.
QStringList ExpandedInputs(const QString& input);

// A usage error for an argument that Windows' quoting rules have bent: a quote inside it comes from
// a backslash before a closing quote ("out\"), and may have swallowed the arguments after it.
// Empty when the argument is fine, and always empty elsewhere.
QString BentArgument(const QString& argument);

// True for the names Windows keeps for devices (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, whatever
// their extension and letter case), which no file can have there. False elsewhere.
bool IsDeviceName(const QString& path);

}  // namespace mosaicor
