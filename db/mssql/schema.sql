-- Server tables of a kelvra installation, Microsoft SQL Server 2000 and later.
-- Same tables, columns and indexes as db/mysql/schema.sql; run it on an empty database.
-- Rules for this file: statements end with a semicolon, none inside texts, comments are whole
-- lines starting with two dashes (the statements are split by ServerSchema.cpp).
-- Nullability is spelled out because the server default depends on the session's ANSI settings.

CREATE TABLE REG (
    REG_NAME nvarchar(60) NOT NULL DEFAULT '',
    ADDRESS1 nvarchar(60) NULL,
    ADDRESS2 nvarchar(60) NULL,
    CSZ nvarchar(60) NULL,
    DEPT nvarchar(60) NULL
);
CREATE INDEX IX_REG_NAME ON REG (REG_NAME);

CREATE TABLE SENSORS (
    SENSOR_ID nvarchar(3) NOT NULL DEFAULT '',
    DEPT nvarchar(60) NOT NULL DEFAULT '',
    SENSOR_TYPE nvarchar(3) NULL,
    LOCATION nvarchar(40) NULL,
    FACTORY_ID nvarchar(22) NULL,
    ACTIVE_CODE nvarchar(22) NULL,
    EXPECTED_VALUE float NULL,
    MAX_DEVIATION float NULL,
    CALIB_OFFSET nvarchar(10) NULL,
    RH_EXPECTED float NULL,
    RH_MAX_DEV float NULL,
    RH_CALIB float NULL,
    THS_RANGE int NULL,
    STATUS_FLAG int NULL,
    ALARM int NULL,
    AUDIBLE_WAVE int NULL,
    EMAIL int NULL,
    PHONE_MSG int NULL,
    ALARM_FREQ nvarchar(10) NULL,
    CHANGED nvarchar(40) NULL
);
CREATE INDEX IX_SENSORS_DEPT_SENSOR ON SENSORS (DEPT, SENSOR_ID);

CREATE TABLE OBSERVATIONS (
    OBS_DATE nvarchar(8) NOT NULL DEFAULT '',
    SENSOR_ID nvarchar(3) NOT NULL DEFAULT '',
    DEPT nvarchar(60) NOT NULL DEFAULT '',
    OBS_DATA nvarchar(2000) NULL,
    LAST_OBS nvarchar(100) NULL,
    error int NULL,
    AVG_FOR_DAY nvarchar(30) NULL,
    ACTION_TAKEN nvarchar(100) NULL,
    ACCEPTED_BY nvarchar(30) NULL,
    SIGN_TIME nvarchar(30) NULL
);
CREATE INDEX IX_OBSERVATIONS_DEPT_SENSOR_DATE ON OBSERVATIONS (DEPT, SENSOR_ID, OBS_DATE);

CREATE TABLE CALL_EVENT (
    [DATE] nvarchar(10) NOT NULL DEFAULT '',
    [TIME] nvarchar(8) NULL,
    SENSOR_ID nvarchar(3) NOT NULL DEFAULT '',
    DEPT nvarchar(60) NOT NULL DEFAULT '',
    ALARM_METHOD nvarchar(40) NULL,
    ACTUAL nvarchar(100) NULL,
    PHONE_NUMBER nvarchar(80) NULL,
    ACTION_TAKEN nvarchar(100) NULL,
    WHO nvarchar(40) NULL
);
CREATE INDEX IX_CALL_EVENT_DEPT_SENSOR_DATE ON CALL_EVENT (DEPT, SENSOR_ID, [DATE]);

CREATE TABLE ACTIVITY (
    DEPT nvarchar(60) NOT NULL DEFAULT '',
    [DATE] nvarchar(8) NOT NULL DEFAULT '',
    [TIME] nvarchar(8) NULL,
    SENSOR_ID nvarchar(3) NULL,
    WHO nvarchar(30) NULL,
    EVENT nvarchar(200) NULL
);
CREATE INDEX IX_ACTIVITY_DEPT_DATE ON ACTIVITY (DEPT, [DATE]);

CREATE TABLE CALLLIST (
    DEPT nvarchar(60) NOT NULL DEFAULT '',
    PERSON1 nvarchar(40) NULL,
    PERSON2 nvarchar(40) NULL,
    PERSON3 nvarchar(40) NULL,
    PERSON4 nvarchar(40) NULL,
    PERSON5 nvarchar(40) NULL,
    NUMBER1 nvarchar(30) NULL,
    NUMBER2 nvarchar(30) NULL,
    NUMBER3 nvarchar(30) NULL,
    NUMBER4 nvarchar(30) NULL,
    NUMBER5 nvarchar(30) NULL,
    EMAIL1 nvarchar(80) NULL,
    EMAIL2 nvarchar(80) NULL,
    EMAIL3 nvarchar(80) NULL,
    EMAIL4 nvarchar(80) NULL,
    EMAIL5 nvarchar(80) NULL,
    TAPI_DEVICE nvarchar(80) NULL,
    WAVEFILE nvarchar(120) NULL,
    CHANGED nvarchar(40) NULL
);
CREATE INDEX IX_CALLLIST_DEPT ON CALLLIST (DEPT);

CREATE TABLE USERS (
    DEPT nvarchar(60) NOT NULL DEFAULT '',
    USER_ID nvarchar(20) NOT NULL DEFAULT '',
    USER_NAME nvarchar(30) NULL,
    USER_PASSWORD nvarchar(20) NULL,
    ACCESS_LIST nvarchar(400) NULL,
    STATUS_FLAG int NULL,
    OK_TO_SIGN int NULL,
    CHANGED nvarchar(40) NULL
);
CREATE INDEX IX_USERS_DEPT ON USERS (DEPT);
