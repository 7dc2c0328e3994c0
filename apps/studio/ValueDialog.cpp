#include "ValueDialog.h"

#include "StatusReadout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <charconv>
#include <cmath>

namespace {

// Longer than any float written in full; more is not a number a user means.
constexpr int kMaxChars = 40;
// The bound in plain digits: "1000000" reads better than "1e+06".
QString bound(float maxValue) { return QString::number(static_cast<double>(maxValue), 'f', 0); }

}  // namespace

ValueDialog::ValueDialog(QWidget* parent, const QString& what, float current, float maxValue)
    : QDialog(parent), m_edit(new QLineEdit), m_error(new QLabel), m_max(maxValue)
{
    setWindowTitle(QCoreApplication::translate("Studio", "Exact value"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QCoreApplication::translate("Studio", "%1 (above 0, at most %2):").arg(what, bound(maxValue))));
    m_edit->setMaxLength(kMaxChars);
    m_edit->setText(StatusReadout::Number(current));
    m_edit->selectAll();
    layout->addWidget(m_edit);
    QPalette warn = m_error->palette();
    warn.setColor(QPalette::WindowText, Qt::darkRed);
    m_error->setPalette(warn);
    m_error->hide();
    layout->addWidget(m_error);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ValueDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ValueDialog::reject);
    layout->addWidget(buttons);
}

QString ValueDialog::Error() const { return m_error->isHidden() ? QString() : m_error->text(); }

// A refused entry keeps the dialog open with the reason under the box, so
// the user corrects what was typed rather than starting again.
void ValueDialog::accept()
{
    QString error;
    if (!Parse(m_edit->text(), m_max, m_value, error)) {
        m_error->setText(error);
        m_error->show();
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    QDialog::accept();
}

std::optional<float> ValueDialog::Ask(QWidget* parent, const QString& what, float current, float maxValue)
{
    ValueDialog dlg(parent, what, current, maxValue);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.Value();
}

bool ValueDialog::Parse(const QString& text, float maxValue, float& value, QString& error)
{
    const QByteArray bytes = text.trimmed().toUtf8();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (!bytes.isEmpty() && *first == '+')
        ++first;  // from_chars takes no plus sign
    double v = 0;
    const auto [end, ec] = std::from_chars(first, last, v);
    if (bytes.isEmpty() || ec != std::errc() || end != last || !std::isfinite(v)) {
        error = QCoreApplication::translate("Studio", "\"%1\" is not a number: type one such as 12.5").arg(text.trimmed());
        return false;
    }
    if (!(v > 0) || static_cast<float>(v) <= 0.0f) {
        error = QCoreApplication::translate("Studio", "The value must be greater than 0");
        return false;
    }
    if (v > maxValue) {
        error = QCoreApplication::translate("Studio", "The value must be at most %1").arg(bound(maxValue));
        return false;
    }
    value = static_cast<float>(v);
    return true;
}
