#pragma once
// A temporary folder standing in for drive C: for one test.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrint.h"
#include "platform/Paths.h"

// Bytes of a literal that may hold NULs.
template <std::size_t N>
QByteArray raw(const char (&s)[N]) {
  return QByteArray(s, N - 1);
}

template <std::size_t N>
QString rawText(const char (&s)[N]) {
  return QString::fromLatin1(s, N - 1);
}

class TempDrive : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    qv::paths::setDriveRoot(u'C', dir_.path());
  }
  void TearDown() override { qv::paths::setDriveRoot(u'C', {}); }

  // The drive in memory where the host has a memory file system: fuzz tests
  // replace files thousands of times, and each replacement waits for the disk.
  void driveInMemory() {
    QTemporaryDir memory(QStringLiteral("/dev/shm/qvtest-XXXXXX"));
    if (!memory.isValid()) return;
    dir_ = std::move(memory);
    qv::paths::setDriveRoot(u'C', dir_.path());
  }

  QString hostPath(const QString& name) const { return dir_.filePath(name); }

  void put(const QString& name, const QByteArray& bytes) const {
    QFile file(hostPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }

  QByteArray bytes(const QString& name) const {
    QFile file(hostPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir dir_;
};
