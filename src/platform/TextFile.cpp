#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>

#include "platform/Paths.h"

namespace qv {
namespace {

// The code page is single-byte: one table each way, built once from the
// platform's own Windows-1252 codec. Bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) come out as the C1 controls of the same
// number, so every byte survives a read and a write unchanged.
struct CodePage {
  std::array<char16_t, 256> toUnicode{};
  QHash<char16_t, char> toByte;

  CodePage() {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) qFatal("quorvane: no Windows-1252 codec (Qt was built without ICU)");
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b) all[b] = char(b);
    const QString decoded = decoder.decode(all);
    if (decoded.size() != 256) qFatal("quorvane: the Windows-1252 codec is not single-byte");
    for (int b = 0; b < 256; ++b) {
      toUnicode[b] = decoded.at(b).unicode();
      toByte.insert(toUnicode[b], char(b));
    }
  }
};

const CodePage& codePage() {
  static const CodePage page;
  return page;
}

}  // namespace

QString decodeWin1252(const QByteArray& bytes) {
  const auto& table = codePage().toUnicode;
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (char b : bytes) *out++ = QChar(table[uchar(b)]);
  return text;
}

QByteArray encodeWin1252(const QString& text) {
  const auto& table = codePage().toByte;
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    // A character outside the basic plane is one unknown character, not two.
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    bytes.append(table.value(c.unicode(), '?'));
  }
  return bytes;
}

QString asWin1252(const QString& text) { return decodeWin1252(encodeWin1252(text)); }

bool readTextFile(const QString& path, QString& text) {
  const QString host = paths::toHost(path);
  // A file not yet named (settings before an edition is set up) is no file.
  if (host.isEmpty() || QFileInfo(host).isDir()) return false;
  QFile file(host);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  text = decodeWin1252(bytes);
  return true;
}

bool readFirstLine(const QString& path, qsizetype longest, QString& line, bool& longer) {
  const QString host = paths::toHost(path);
  if (QFileInfo(host).isDir()) return false;
  QFile file(host);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes;
  longer = false;
  constexpr qint64 kChunk = 64 * 1024;
  for (;;) {
    const QByteArray chunk = file.read(kChunk);
    if (file.error() != QFileDevice::NoError) return false;
    qsizetype end = 0;
    while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n') ++end;
    bytes += chunk.left(end);
    if (bytes.size() > longest) {
      bytes.truncate(longest);
      longer = true;
      break;
    }
    if (end < chunk.size() || chunk.size() < kChunk) break;  // the line ends, or the file does
  }
  line = decodeWin1252(bytes);
  return true;
}

bool writeTextFile(const QString& path, const QString& text) {
  QSaveFile file(paths::toHost(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = encodeWin1252(text);
  // Flushed here because commit() does not notice a failure of its own final
  // flush and would put a cut-off file in place of the old one.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace qv
