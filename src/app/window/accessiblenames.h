#pragma once

#include <QLabel>

struct Windows;

// A label only for the eye (the column ruler): assistive tools are told it
// is invisible and has no role or text.
class DecorationLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// Names and descriptions for every control a screen reader reaches, in the
// main window, the Count window and the Check Order window.
void nameControlsForScreenReaders(Windows& windows);
