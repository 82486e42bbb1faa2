#include "cli/SameFile.h"

#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace mosaicor {

namespace {

#if defined(Q_OS_WIN)
// A file's identity on Windows: its volume's serial number and its index there, which hard links,
// other spellings (case, short names, slashes) and mapped drives share.
struct FileIdentity {
  DWORD volume = 0, high = 0, low = 0;
  bool operator==(const FileIdentity&) const = default;
};

bool IdentityOf(const QString& path, FileIdentity& identity) {
  const std::wstring name = QFileInfo(path).absoluteFilePath().replace('/', '\\').toStdWString();
  // No access rights are asked for, so a file another program holds open is still identified;
  // FILE_FLAG_BACKUP_SEMANTICS lets folders be opened too.
  HANDLE handle = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information;
  const bool ok = GetFileInformationByHandle(handle, &information);
  CloseHandle(handle);
  if (ok) identity = {information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
  return ok;
}
#endif

}  // namespace

bool IsSameFile(const QString& a, const QString& b) {
  const QFileInfo infoA(a), infoB(b);
  // A path that names no file yet holds nothing that could be lost.
  if (!infoA.exists() || !infoB.exists()) return false;
#if defined(Q_OS_UNIX)
  struct stat statA, statB;
  if (::stat(QFile::encodeName(a).constData(), &statA) == 0 && ::stat(QFile::encodeName(b).constData(), &statB) == 0)
    return statA.st_dev == statB.st_dev && statA.st_ino == statB.st_ino;
#elif defined(Q_OS_WIN)
  FileIdentity identityA, identityB;
  if (IdentityOf(a, identityA) && IdentityOf(b, identityB)) return identityA == identityB;
#endif
  return infoA.canonicalFilePath() == infoB.canonicalFilePath();
}

int OverwrittenInput(const QString& output, const QStringList& inputs, int own) {
  // The usual case, an output not written yet, costs one look at the disk.
  if (!QFileInfo::exists(output)) return -1;
  if (own >= 0 && own < inputs.size() && IsSameFile(output, inputs[own])) return own;
  for (int i = 0; i < inputs.size(); ++i)
    if (i != own && IsSameFile(output, inputs[i])) return i;
  return -1;
}

}  // namespace mosaicor
