// Reading one settings value: the last key of a 1000-key section, so the
// whole file is decoded and scanned as on every ReadINF.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/Profile.h"

static void BM_ProfileReadLastOf1000Keys(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("User.inf");
  QByteArray text = "[UserSection]\r\n";
  for (int i = 0; i < 1000; ++i)
    text += "Key" + QByteArray::number(i) + "=Value number " + QByteArray::number(i) + "\r\n";
  QFile file(path);
  if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
    state.SkipWithError("cannot write the settings file");
    return;
  }
  file.close();

  QString buffer;
  for (auto _ : state) {
    benchmark::DoNotOptimize(qv::GetPrivateProfileStringA("usersection", "key999", "", buffer, 1024, path));
  }
  if (buffer != "Value number 999") state.SkipWithError("wrong value read");
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ProfileReadLastOf1000Keys);
