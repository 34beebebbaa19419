#pragma once

#include <QLabel>

// A label only for the eye (the column ruler, a picture): assistive tools
// are told it is invisible and has no role or text.
class DecorationLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};
