#pragma once

#include <QStatusBar>
#include <QVector>
#include <functional>

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
    // What a screen reader reads of the panel: a name made from its text,
    // which follows every change of the text, and a description.
    using Speech = std::function<QString(const QString& text)>;
    void setPanelSpeech(int index, Speech speech, const QString& description);

private:
    QVector<StatusPanel*> panels_;
    QVector<Speech> speech_;
};
