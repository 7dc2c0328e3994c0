// The studio's small dialog for typing the exact value of a measured point
// or a layer: it accepts only a number above 0 and up to the largest allowed.
#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

class ValueDialog : public QDialog {
public:
    // what names the number ("Measured R, sample 5"); the box starts with
    // the current value.
    ValueDialog(QWidget* parent, const QString& what, float current, float maxValue);

    QLineEdit* Edit() const { return m_edit; }
    // The message under the box after a refused entry; empty otherwise.
    QString Error() const;
    float Value() const { return m_value; }
    void accept() override;

    // Runs the dialog; the value typed, or nothing when cancelled.
    static std::optional<float> Ask(QWidget* parent, const QString& what, float current, float maxValue);
    // The rule of the dialog, for every place a user types a value: a plain
    // number (C notation), finite, above 0 and at most maxValue.
    static bool Parse(const QString& text, float maxValue, float& value, QString& error);

private:
    QLineEdit* m_edit;
    QLabel* m_error;
    float m_max;
    float m_value = 0;
};
