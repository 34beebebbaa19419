#include "search/window/tfinddialog.h"
#include "app/window/tedit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget* parent)
    : QDialog(parent), text_(new TEdit(QString(), this)), findNext_(new QPushButton(tr("&Find Next"), this)),
      cancel_(new QPushButton(tr("Cancel"), this))
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

    findNext_->setDefault(true);
    findNext_->setEnabled(false);
    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString& t) { findNext_->setEnabled(!t.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this, &TFindDialog::pressFindNext);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::hide);
}

QString TFindDialog::findText() const
{
    return text_->text();
}

void TFindDialog::setFindText(const QString& text)
{
    text_->setText(text);
}

void TFindDialog::pressFindNext()
{
    emit findNextPressed();
}
