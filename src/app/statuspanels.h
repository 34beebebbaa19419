#pragma once

#include <QStatusBar>
#include <QVector>

#include <QLabel>

// One panel. Screen readers hear a panel only while it has a name.
class StatusPanel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// A fixed row of panels whose texts are set and read back: the window
// keeps part of its state in them.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    StatusPanels(const QVector<int>& widths, QWidget* parent = nullptr);

    int panelCount() const { return int(panels_.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    // What a screen reader reads of the panel, as a name that follows every
    // change of its text: the label and the text (`whenEmpty` for none);
    // or, with `whenSet`, only whether there is a text.
    struct Speech {
        QString label;
        QString whenEmpty;
        QString whenSet;
        bool spoken = false;
        QString of(const QString& text) const;
    };
    void setPanelSpeech(int index, const Speech& speech, const QString& description);

private:
    QVector<StatusPanel*> panels_;
    QVector<Speech> speech_;
};
