#pragma once
// Process environment with Windows rules: names compare without regard to case.
// Tests replace the whole environment.
#include <QMap>
#include <QString>
#include <optional>

namespace qv::env {

std::optional<QString> get(const QString& name);
QString value(const QString& name);  // empty when missing
// The Windows user name: USERNAME, else USER, else LOGNAME; may be empty.
QString userName();

// Replaces the environment seen by the program (keys any case); reset() goes
// back to the real one.
void override(const QMap<QString, QString>& vars);
void reset();

}  // namespace qv::env
