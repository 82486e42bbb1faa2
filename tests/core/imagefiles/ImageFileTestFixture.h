#pragma once
// A temporary folder to write test files into and a file module whose failures are kept.

#include "RecordedFiles.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace mosaicor {

class ImageFileTest : public testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteBytesToFile(path, bytes));
    return path;
  }
  QTemporaryDir dir;
  RecordedFailures messages;
  RecordingFileModule module{messages};
};

}  // namespace mosaicor
