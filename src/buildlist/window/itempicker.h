#pragma once

#include "catalog/catalog.h"

#include <QObject>
#include <QWidgetList>

class Application;
class BuildList;
class BuildListTextEdit;
class CompletingComboBox;
class LinePlacer;
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
// controls stand in the window's client area where they always have.
class ItemPicker : public QObject {
    Q_OBJECT
public:
    // `text` is the text area, read for what the list allows; `placer`
    // puts an appended line where the window's mode says.
    ItemPicker(Application& app, BuildList& document, const Catalog& catalog, const BuildListTextEdit& text,
               LinePlacer& placer, QWidget* client);

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

    // The villager tally and the box that shows it; a recount cut short by
    // a bad quantity keeps what it counted and leaves the box as it was.
    int villagerCount() const { return villagerCount_; }
    enum class VillagerBox { Show, LeaveAsItWas };
    void setVillagerCount(int count, VillagerBox box = VillagerBox::Show);
    // Refresh: counts the villagers the build list trains.
    void recountVillagers();

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

    Application& app_;
    BuildList& document_;
    const Catalog& catalog_;
    const BuildListTextEdit& text_;
    LinePlacer& placer_;

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
    // The item box's text after the last keystroke, to tell typing from
    // taking characters away.
    QString typedBefore_;
};
