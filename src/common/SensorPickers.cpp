#include "common/SensorPickers.h"

#include "common/ConnectingIndicator.h"
#include "common/DecimalText.h"
#include "common/Dialogs.h"
#include "common/DropDownComboBox.h"
#include "data/DataAccess.h"
#include "data/Tds.h"

#include <QComboBox>
#include <QPointer>

namespace kelvra {

namespace {

// Every row's column, read before the picker is touched so a failed load leaves it as it was.
std::optional<QStringList> readList(Tds& ds, const BranchStatement& statement,
                                    const QString& column, bool trim, SqlOutcome* outcome,
                                    Branch* ran = nullptr)
{
    const BranchOutcome opened = ds.open(ds.AdoQuery, statement);
    if (ran)
        *ran = opened.branch();
    if (opened.failed()) {
        CloseSql(opened.rows());
        *outcome = SqlOutcome::failure(opened.error());
        return std::nullopt;
    }
    QStringList values;
    for (Dataset& rows = opened.rows(); !AtEnd(rows); NextRow(rows)) {
        const QString value = ReadField(rows, column).asText();
        values.append(trim ? trimmedOfBlanks(value) : value);
    }
    CloseSql(opened.rows());
    *outcome = SqlOutcome::success();
    return values;
}

} // namespace

SensorPickers::SensorPickers(QWidget& window, QComboBox& dept, QComboBox* s1, Tds& ds,
                             Dialogs& dialogs, Options options, Actions actions,
                             ConnectingIndicator* indicator)
    : QObject(&window), m_window(window), m_dept(dept), m_s1(s1), m_ds(ds), m_dialogs(dialogs),
      m_options(options), m_actions(std::move(actions)), m_indicator(indicator)
{
    // The department shows in blue.
    QPalette blue = m_dept.palette();
    blue.setColor(QPalette::Text, Qt::blue);
    blue.setColor(QPalette::ButtonText, Qt::blue);
    m_dept.setPalette(blue);
    // An editable picker must not add what is typed to its list on Enter.
    m_dept.setInsertPolicy(QComboBox::NoInsert);
    if (m_s1)
        m_s1->setInsertPolicy(QComboBox::NoInsert);
    // Only the operator's picks count, not the program's own changes of the selection.
    connect(&m_dept, &QComboBox::activated, this, &SensorPickers::Deptclick);
    if (auto* dropDown = qobject_cast<DropDownComboBox*>(&m_dept))
        connect(dropDown, &DropDownComboBox::droppingDown, this, &SensorPickers::Deptdropdown);
    if (m_s1) {
        connect(m_s1, &QComboBox::activated, this, &SensorPickers::s1Click);
        if (auto* dropDown = qobject_cast<DropDownComboBox*>(m_s1.data()))
            connect(dropDown, &DropDownComboBox::droppingDown, this, &SensorPickers::s1DropDown);
    }
}

void SensorPickers::Deptdropdown()
{
    (void)load_depts();
}

void SensorPickers::Deptclick()
{
    switch (m_options.departmentPick) {
    case DepartmentPick::LoadSensorsThenNextIfNamed:
        if (department().isEmpty())
            return;
        [[fallthrough]];
    case DepartmentPick::LoadSensorsThenNext:
        (void)Load_s1();
        next_btnClick();
        return;
    case DepartmentPick::ScreenAction:
        if (m_actions.departmentPicked)
            m_actions.departmentPicked();
        return;
    }
}

void SensorPickers::s1DropDown()
{
    (void)Load_s1();
    if (m_actions.sensorListOpening)
        m_actions.sensorListOpening();
}

void SensorPickers::s1Click()
{
    if (!m_s1)
        return;
    if (m_options.loadBeforeSensorView && m_s1->count() == 0)
        (void)Load_s1();
    if (m_actions.canView && !m_actions.canView())
        return;
    if (m_actions.view)
        m_actions.view();
}

SqlOutcome SensorPickers::load_depts()
{
    if (m_indicator)
        m_indicator->show(m_options.departmentLoadStart);
    SqlOutcome outcome = SqlOutcome::success();
    Branch branch = Branch::None;
    const std::optional<QStringList> names =
        readList(m_ds, departmentList(m_options.departments), QStringLiteral("REG_NAME"), true,
                 &outcome, &branch);
    if (!names) {
        if (m_actions.departmentsLoaded)
            m_actions.departmentsLoaded(outcome, branch);
        return outcome;
    }
    m_dept.clear();
    m_dept.addItems(*names);
    if (m_indicator)
        m_indicator->setPercent(m_options.departmentLoadEnd);
    m_dept.setMaxVisibleItems(3);
    m_dept.setCurrentIndex(names->isEmpty() ? -1 : 0);
    if (m_dept.isEditable())
        m_dept.setEditText(names->isEmpty() ? QString() : names->first());
    if (m_actions.departmentsLoaded)
        m_actions.departmentsLoaded(outcome, branch);
    return outcome;
}

SqlOutcome SensorPickers::Load_s1()
{
    if (!m_s1)
        return SqlOutcome::success();
    const bool showIndicator = m_indicator && m_options.indicatorOnSensorLoad;
    if (showIndicator) {
        const bool afterDepartments = m_indicator->isShown() && m_indicator->percent() == 45;
        m_indicator->show(afterDepartments ? 65 : 25);
    }
    SqlOutcome outcome = SqlOutcome::success();
    const std::optional<QStringList> ids =
        readList(m_ds, sensorList(m_options.sensors, department()), QStringLiteral("SENSOR_ID"),
                 false, &outcome);
    if (!ids)
        return outcome;
    m_s1->clear();
    m_s1->addItems(*ids);
    // addItems selects the first item; after a load no sensor is chosen.
    m_s1->setCurrentIndex(-1);
    m_s1->setMaxVisibleItems(10);
    if (showIndicator)
        m_indicator->setPercent(m_indicator->percent() == 65 ? 75 : 55);
    return outcome;
}

QString SensorPickers::department() const
{
    return m_dept.currentText();
}

QString SensorPickers::sensorId() const
{
    if (!m_s1)
        return {};
    // An editable picker takes a typed ID too.
    if (m_s1->isEditable())
        return m_s1->currentText();
    return m_s1->currentIndex() >= 0 ? m_s1->currentText() : QString();
}

void SensorPickers::showInformation(const char* text)
{
    m_dialogs.information(&m_window, QString::fromLatin1(text));
}

void SensorPickers::next_btnClick()
{
    if (!m_s1)
        return;
    const QPointer<QWidget> alive(&m_window);
    if (m_actions.beforeStep)
        m_actions.beforeStep();
    if (m_s1->count() == 0)
        (void)Load_s1();
    const SensorStep step = nextSensor(m_s1->currentIndex(), m_s1->count(), m_options.nextGuard);
    switch (step.action) {
    case SensorStep::Action::Stop:
    case SensorStep::Action::StartOfSensorList:
        return;
    case SensorStep::Action::NoMoreSensors:
        showInformation("NO MORE SENSORS");
        if (alive && m_actions.endOfList)
            m_actions.endOfList();
        return;
    case SensorStep::Action::SelectAndView:
        m_s1->setCurrentIndex(step.index);
        if (m_actions.view)
            m_actions.view();
        return;
    }
}

void SensorPickers::prev_btnClick()
{
    if (!m_s1)
        return;
    if (m_actions.beforeStep)
        m_actions.beforeStep();
    if (m_s1->count() == 0)
        (void)Load_s1();
    const SensorStep step =
        previousSensor(m_s1->currentIndex(), m_s1->count(), m_options.previousRule);
    switch (step.action) {
    case SensorStep::Action::Stop:
    case SensorStep::Action::NoMoreSensors:
        return;
    case SensorStep::Action::StartOfSensorList:
        showInformation("Start of Sensor List");
        return;
    case SensorStep::Action::SelectAndView:
        // Before the first sensor no sensor is chosen.
        m_s1->setCurrentIndex(std::max(step.index, -1));
        if (m_actions.view)
            m_actions.view();
        return;
    }
}

} // namespace kelvra
