#include "search/window/finddialog.h"
#include "widgets/objectnames.h"
#include "widgets/textbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent), text_(new TextBox(QString(), this)),
      findNext_(new QPushButton(tr("&Find Next"), this)), cancel_(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Find"));
    setModal(false);
    auto* label = new QLabel(tr("Fi&nd what:"), this);
    label->setBuddy(text_);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(text_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);

    setObjectNames({{text_, "findText"}, {findNext_, "findNext"}, {cancel_, "cancel"}});
    findNext_->setDefault(true);
    findNext_->setEnabled(false);
    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString& t) { findNext_->setEnabled(!t.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this, &FindDialog::pressFindNext);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::findText() const
{
    return text_->text();
}

void FindDialog::setFindText(const QString& text)
{
    text_->setText(text);
}

void FindDialog::pressFindNext()
{
    emit findNextPressed();
}
