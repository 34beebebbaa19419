#pragma once

#include "app/classicedit.h"

#include <QLineEdit>

// A one-line edit box that takes keys and the focus as the classic control
// does (see classicedit.h).
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(const QString& text = QString(), QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    SelectOnFocus selectOnFocus_;
};
