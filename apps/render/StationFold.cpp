#include "StationNames.h"

#include <QString>

std::string StationNames::FoldedKey(std::string_view name)
{
    const QString folded = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                               .normalized(QString::NormalizationForm_C)
                               .toCaseFolded()
                               .toUpper();
    return folded.normalized(QString::NormalizationForm_C).toUtf8().toStdString();
}
