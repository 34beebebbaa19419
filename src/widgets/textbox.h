#pragma once

#include "widgets/classicedit.h"

// A one-line edit box that takes keys and the focus as the classic control
// does (see classicedit.h).
class TextBox : public ClassicTextBox<QLineEdit> {
    Q_OBJECT
public:
    explicit TextBox(const QString& text = QString(), QWidget* parent = nullptr)
        : ClassicTextBox<QLineEdit>(text, parent)
    {
    }
};
