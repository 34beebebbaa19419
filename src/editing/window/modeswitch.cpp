#include "editing/window/modeswitch.h"

#include "buildlist/buildlist.h"
#include "widgets/application.h"
#include "widgets/objectnames.h"
#include "widgets/placedcontrols.h"

#include <QPushButton>

ModeSwitch::ModeSwitch(Application& app, BuildList& document, QWidget* client)
    : QObject(client), document_(document)
{
    setObjectName(QStringLiteral("modeSwitch"));
    modeButton = placedButton(tr("Edit Lines"), client, 452, 74, 73, 23);
    modeButton->setToolTip(tr("Drag & drop"));
    // Its caption says which mode it enters; its tooltip only "Drag & drop".
    modeButton->setAccessibleDescription(
        tr("Switches between editing the text and moving whole lines in a list"));
    setObjectNames({{modeButton, "cmdEdit"}});
    connect(modeButton, &QPushButton::clicked, this, app.guarded(this, &ModeSwitch::switchMode));
}

QWidgetList ModeSwitch::focusOrder() const
{
    return {modeButton};
}

void ModeSwitch::switchMode()
{
    emit modeChanging(!linesMode_);
    enterMode(!linesMode_);
}

void ModeSwitch::editNormal()
{
    if (linesMode_)
        switchMode();
}

void ModeSwitch::editLines()
{
    if (!linesMode_)
        switchMode();
}

void ModeSwitch::startNormal()
{
    enterMode(false);
}

void ModeSwitch::enterMode(bool lines)
{
    document_.endTyping();
    linesMode_ = lines;
    modeButton->setText(lines ? tr("Edit Normal") : tr("Edit Lines"));
    emit modeShowing(lines);
    emit modeShown(lines);
}
