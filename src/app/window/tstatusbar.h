#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;

// A fixed row of panels whose texts are set and read back: the window
// keeps part of its state in them.
class TStatusBar : public QStatusBar {
    Q_OBJECT
public:
    TStatusBar(const QVector<int>& widths, QWidget* parent = nullptr);

    int panelCount() const { return int(panels_.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    // What a screen reader calls the panel.
    void setPanelAccessibleName(int index, const QString& name, const QString& description);

private:
    QVector<QLabel*> panels_;
};
