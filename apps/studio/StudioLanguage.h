// The language the studio speaks to its user: Chinese for a Chinese locale,
// English otherwise, with Qt's own texts (standard buttons, file dialogs) to match.
#pragma once

#include <QString>
#include <QStringList>

namespace StudioLanguage {

// "zh_CN" when the first language of the user's list that the studio speaks
// is Chinese (zh, zh_CN, zh-Hans-CN, zh_TW, ...), else "en": English is the
// studio's own, so "C", "POSIX" and "en*" stop the search, other languages are
// passed over as gettext passes over languages it has no catalogue for.
QString Choose(const QStringList& uiLanguages);
// The value of --lang in a command line ("--lang zh_CN" or "--lang=zh_CN"),
// empty without one. Read before the command line is parsed, so that the
// parser's own texts are already in the user's language.
QString FromArguments(const QStringList& args);
// True when the command line's --lang names a language the studio does not
// speak: anything but "zh_CN" or "en", an empty "--lang=" included; value is
// what it named. A --lang with nothing after it is left to the parser.
bool Unknown(const QStringList& args, QString& value);
// Makes language ("zh_CN", "en", or any name Choose accepts) the one the
// studio's texts are looked up in from now on; windows built afterwards speak
// it. False when the studio's Chinese catalogue could not be loaded (the
// texts stay English); Qt's own catalogue is taken where the system has one.
bool Install(const QString& language);
// "zh_CN" or "en": the language installed last.
QString Current();

}  // namespace StudioLanguage
