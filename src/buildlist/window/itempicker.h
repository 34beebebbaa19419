#pragma once

#include "buildlist/steprecord.h"
#include "catalog/catalog.h"

#include <QObject>
#include <QWidgetList>

class Application;
class BuildList;
class CompletingComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;
class SteppedEdit;
class TextBox;
class UpDownArrows;

// The item picker: the category, the entries the build list allows, the
// quantity and limit boxes, Append, and the villager tally below. Its
// controls stand in the window's client area where they always have. What
// it offers and counts it reads from the document.
class ItemPicker : public QObject {
    Q_OBJECT
public:
    ItemPicker(Application& app, BuildList& document, const Catalog& catalog, QWidget* client);

    // The controls in Tab order: the picker and Append, and the tally.
    QWidgetList focusOrder() const;
    QWidgetList tallyFocusOrder() const;
    // Every control, the groups and labels included.
    QWidgetList controls() const;

    void showUnits();
    void showBuildings();
    void showResearch();
    // Makes the line the boxes describe and places it.
    void appendItem();
    // The offered entries brought in line with the list after Undo and
    // Redo; the choice, quantity and limit boxes stay where they can.
    void offerWhatTheListAllows();
    void focusItemBox();
    // Append puts its line at the insertion point (Lines mode), and says so.
    void setInserting(bool inserting);
    bool inserting() const { return inserting_; }

    // The villager tally and the box that shows it; a recount cut short by
    // a bad quantity keeps what it counted and leaves the box as it was.
    int villagerCount() const { return villagerCount_; }
    enum class VillagerBox { Show, LeaveAsItWas };
    void setVillagerCount(int count, VillagerBox box = VillagerBox::Show);
    // Refresh: counts the villagers the build list trains.
    void recountVillagers();
    // A line taken away trained this many villagers: they leave the tally.
    void takeAwayVillagers(int villagers);

signals:
    // A category's entries were offered afresh.
    void entriesOffered();
    // Append placed a line, or asked and placed none.
    void appended();
    // What an action did, for a screen reader to say at once.
    void announced(const QString& text);

private:
    void createControls(QWidget* client);
    void wireControls();
    void nameForScreenReaders();
    void refillPicker(Category category);
    Category chosenCategory() const;
    void toggleUnitLimit();
    void toggleBuildingLimit();
    void stepQuantity();
    void stepRetrains();
    void itemTyped();
    void itemChosen();
    void tabToChosenCategory();
    // Places the line Append made, at the end or at the insertion point;
    // its row, or -1 when none was placed.
    int placeLine(const QString& line);

    Application& app_;
    BuildList& document_;
    const Catalog& catalog_;
    bool inserting_ = false;

    QGroupBox* categoryGroup = nullptr;
    QRadioButton* unitsRadio = nullptr;
    QRadioButton* buildingsRadio = nullptr;
    QRadioButton* researchRadio = nullptr;
    QCheckBox* unitLimitCheck = nullptr;
    QCheckBox* buildingLimitCheck = nullptr;
    QCheckBox* criticalCheck = nullptr;
    QPushButton* appendButton = nullptr;
    QGroupBox* itemGroup = nullptr;
    QLabel* quantityLabel = nullptr;
    QLabel* retrainsLabel = nullptr;
    UpDownArrows* quantityArrows = nullptr;
    UpDownArrows* retrainsArrows = nullptr;
    CompletingComboBox* itemBox = nullptr;
    SteppedEdit* quantitySpin = nullptr;
    SteppedEdit* retrainsSpin = nullptr;
    QGroupBox* villagerGroup = nullptr;
    TextBox* villagerBox = nullptr;
    QPushButton* refreshVillagersButton = nullptr;
    QLabel* villagersLabel = nullptr;

    // The text version and category the offered entries were made for.
    quint64 offeredFrom_ = ~quint64(0);
    int offeredCategory_ = -1;
    int villagerCount_ = 0;
    StepRecord<int> villagerRecord_;
    // The item box's text after the last keystroke, to tell typing from
    // taking characters away.
    QString typedBefore_;
};
