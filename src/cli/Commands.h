#pragma once
// One function per companion command; each returns the exit status.

#include "CliOptions.h"

#include <QStringList>

int RunPages(const CliOptions& options);
int RunAnimated(const CliOptions& options);
int RunConvert(const CliOptions& options);
int RunResize(const CliOptions& options);
int RunInfo(const CliOptions& options);

// `info` for one file of each kind: appends "key: value" lines, or says why it cannot.
bool IsLevelFileName(const QString& path);
bool DescribeLevel(const QString& path, QStringList& lines, QString& reason);
bool DescribePicture(const QString& path, QStringList& lines, QString& reason);
