#include "app/statuspanels.h"

#include <QLabel>

StatusPanels::StatusPanels(const QVector<int>& widths, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int width : widths) {
        auto* panel = new StatusPanel(this);
        panel->setFixedWidth(width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        addWidget(panel);
        panels_.append(panel);
        speech_.append(Speech());
    }
}

QString StatusPanels::panelText(int index) const
{
    return panels_.at(index)->text();
}

void StatusPanels::setPanelText(int index, const QString& text)
{
    panels_.at(index)->setText(text);
    // A new name is announced to screen readers as a change of the panel.
    if (speech_.at(index).spoken)
        panels_.at(index)->setAccessibleName(speech_.at(index).of(text));
}

QString StatusPanels::Speech::of(const QString& text) const
{
    if (!whenSet.isEmpty())
        return text.isEmpty() ? whenEmpty : whenSet;
    return label + (text.isEmpty() ? whenEmpty : text);
}

void StatusPanels::setPanelSpeech(int index, const Speech& speech, const QString& description)
{
    speech_[index] = speech;
    speech_[index].spoken = true;
    panels_.at(index)->setAccessibleName(speech.of(panels_.at(index)->text()));
    panels_.at(index)->setAccessibleDescription(description);
}
