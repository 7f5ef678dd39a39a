#pragma once

#include "common/PickerQueries.h"
#include "common/SensorStepping.h"
#include "data/SqlOutcome.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QComboBox;

namespace kelvra {

class ConnectingIndicator;
class Dialogs;
class Tds;

// The department picker `dept` and, on screens that show one sensor at a time, the sensor
// picker `s1` with Next and Previous. A screen passes only what differs: its statements, its
// guards and the actions that belong to it.
class SensorPickers : public QObject
{
    Q_OBJECT

public:
    // What picking a department does.
    enum class DepartmentPick
    {
        LoadSensorsThenNext,        // the report screens, whatever the text
        LoadSensorsThenNextIfNamed, // daily sign-out: only when the text is not empty
        ScreenAction,               // the screen's own `departmentPicked` action
    };

    struct Options
    {
        DepartmentListKind departments = DepartmentListKind::Reports;
        SensorListKind sensors = SensorListKind::ActiveSeparated;
        bool nextGuard = true;
        PreviousRule previousRule = PreviousRule::A;
        DepartmentPick departmentPick = DepartmentPick::LoadSensorsThenNext;
        // Picking a sensor on an empty list loads it first (the guarded screens).
        bool loadBeforeSensorView = true;
        // The connecting indicator's percentages around the department load (setup screens
        // 25 and 45, the real-time screen 10 and 25); none without an indicator.
        int departmentLoadStart = 25;
        int departmentLoadEnd = 45;
        // Sensor setup also shows it around the sensor load: 65 after a department load
        // (else 25), then 75 (else 55).
        bool indicatorOnSensorLoad = false;
    };

    // What belongs to the screen; any may be left empty.
    struct Actions
    {
        std::function<void()> view{};       // the View button's handler
        std::function<void()> endOfList{};  // after "NO MORE SENSORS"
        std::function<void()> beforeStep{}; // blanking before Next and Previous
        std::function<bool()> canView{};    // a picked sensor runs View only when this says so
        std::function<void()> departmentPicked{};  // DepartmentPick::ScreenAction
        std::function<void()> sensorListOpening{}; // after s1DropDown's load (blanking grids)
        // After every department load, whether it worked or not (user accounts add "YOU").
        // The branch says which one ran, for screens whose messages differ by branch.
        std::function<void(const SqlOutcome&, Branch)> departmentsLoaded{};
    };

    SensorPickers(QWidget& window, QComboBox& dept, QComboBox* s1, Tds& ds, Dialogs& dialogs,
                  Options options, Actions actions, ConnectingIndicator* indicator = nullptr);

    // Fills the department picker with the trimmed names; its text becomes the first one.
    // A failed query leaves the picker as it was.
    SqlOutcome load_depts();
    // Fills the sensor picker with the department's sensors; no sensor is chosen after it.
    SqlOutcome Load_s1();
    void next_btnClick();
    void prev_btnClick();
    // The operator opens the department list, picks a department, opens the sensor list,
    // picks a sensor. Connected to the pickers when they are DropDownComboBoxes.
    void Deptdropdown();
    void Deptclick();
    void s1DropDown();
    void s1Click();

    // The department as the statements take it: the picker's text.
    QString department() const;
    // The chosen sensor's ID; empty when none is chosen.
    QString sensorId() const;

private:
    void showInformation(const char* text);

    QWidget& m_window;
    QComboBox& m_dept;
    QPointer<QComboBox> m_s1;
    Tds& m_ds;
    Dialogs& m_dialogs;
    Options m_options;
    Actions m_actions;
    ConnectingIndicator* m_indicator;
};

} // namespace kelvra
