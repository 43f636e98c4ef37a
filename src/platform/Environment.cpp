#include "platform/Environment.h"

#include <QProcessEnvironment>

namespace qv::env {
namespace {

std::optional<QMap<QString, QString>>& replaced() {
  static std::optional<QMap<QString, QString>> vars;
  return vars;
}

// An exact match first: on this host two variables may differ only in case.
template <typename Names, typename Lookup>
std::optional<QString> find(const QString& name, const Names& names, Lookup lookup) {
  if (names.contains(name)) return lookup(name);
  for (const QString& candidate : names)
    if (candidate.compare(name, Qt::CaseInsensitive) == 0) return lookup(candidate);
  return std::nullopt;
}

}  // namespace

std::optional<QString> get(const QString& name) {
  if (const auto& vars = replaced()) {
    return find(name, vars->keys(), [&](const QString& n) { return vars->value(n); });
  }
  // Read afresh each time so that changes made by the process itself are seen.
  const QProcessEnvironment real = QProcessEnvironment::systemEnvironment();
  return find(name, real.keys(), [&](const QString& n) { return real.value(n); });
}

QString value(const QString& name) { return get(name).value_or(QString()); }

QString userName() {
  for (const char* name : {"USERNAME", "USER", "LOGNAME"}) {
    const QString user = value(QString::fromLatin1(name));
    if (!user.isEmpty()) return user;
  }
  return {};
}

void override(const QMap<QString, QString>& vars) { replaced() = vars; }

void reset() { replaced().reset(); }

}  // namespace qv::env
