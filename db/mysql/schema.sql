-- Server tables of a kelvra installation, MySQL / MariaDB.
-- Written by the collector side; the desktop program only reads them and deletes old rows.
-- Rules for this file: statements end with a semicolon, none inside texts, comments are whole
-- lines starting with two dashes (the statements are split by ServerSchema.cpp).
-- Everything is text as the collector stores it; the columns the screens compare as numbers
-- are DOUBLE or INT. Keys are plain indexes: the readers tolerate duplicate rows.
-- DATE and TIME are keywords but not reserved, so queries may name them unquoted.

CREATE TABLE IF NOT EXISTS REG (
    REG_NAME varchar(60) NOT NULL DEFAULT '',
    ADDRESS1 varchar(60) NULL,
    ADDRESS2 varchar(60) NULL,
    CSZ varchar(60) NULL,
    DEPT varchar(60) NULL,
    KEY IX_REG_NAME (REG_NAME)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS SENSORS (
    SENSOR_ID varchar(3) NOT NULL DEFAULT '',
    DEPT varchar(60) NOT NULL DEFAULT '',
    SENSOR_TYPE varchar(3) NULL,
    LOCATION varchar(40) NULL,
    FACTORY_ID varchar(22) NULL,
    ACTIVE_CODE varchar(22) NULL,
    EXPECTED_VALUE double NULL,
    MAX_DEVIATION double NULL,
    CALIB_OFFSET varchar(10) NULL,
    RH_EXPECTED double NULL,
    RH_MAX_DEV double NULL,
    RH_CALIB double NULL,
    THS_RANGE int NULL,
    STATUS_FLAG int NULL,
    ALARM int NULL,
    AUDIBLE_WAVE int NULL,
    EMAIL int NULL,
    PHONE_MSG int NULL,
    ALARM_FREQ varchar(10) NULL,
    CHANGED varchar(40) NULL,
    KEY IX_SENSORS_DEPT_SENSOR (DEPT, SENSOR_ID)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- OBS_DATA: a leading part, then 24 hour cells; the widest cell (reading, temperature record,
-- humidity, humidity record) is 43 characters.
CREATE TABLE IF NOT EXISTS OBSERVATIONS (
    OBS_DATE varchar(8) NOT NULL DEFAULT '',
    SENSOR_ID varchar(3) NOT NULL DEFAULT '',
    DEPT varchar(60) NOT NULL DEFAULT '',
    OBS_DATA varchar(2000) NULL,
    LAST_OBS varchar(100) NULL,
    error int NULL,
    AVG_FOR_DAY varchar(30) NULL,
    ACTION_TAKEN varchar(100) NULL,
    ACCEPTED_BY varchar(30) NULL,
    SIGN_TIME varchar(30) NULL,
    KEY IX_OBSERVATIONS_DEPT_SENSOR_DATE (DEPT, SENSOR_ID, OBS_DATE)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- DATE is "mm/dd/yyyy" text, TIME "hh:mm:ss" text.
CREATE TABLE IF NOT EXISTS CALL_EVENT (
    `DATE` varchar(10) NOT NULL DEFAULT '',
    `TIME` varchar(8) NULL,
    SENSOR_ID varchar(3) NOT NULL DEFAULT '',
    DEPT varchar(60) NOT NULL DEFAULT '',
    ALARM_METHOD varchar(40) NULL,
    ACTUAL varchar(100) NULL,
    PHONE_NUMBER varchar(80) NULL,
    ACTION_TAKEN varchar(100) NULL,
    WHO varchar(40) NULL,
    KEY IX_CALL_EVENT_DEPT_SENSOR_DATE (DEPT, SENSOR_ID, `DATE`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- The audit trail. DATE is a "yyyymmdd" day key here.
CREATE TABLE IF NOT EXISTS ACTIVITY (
    DEPT varchar(60) NOT NULL DEFAULT '',
    `DATE` varchar(8) NOT NULL DEFAULT '',
    `TIME` varchar(8) NULL,
    SENSOR_ID varchar(3) NULL,
    WHO varchar(30) NULL,
    EVENT varchar(200) NULL,
    KEY IX_ACTIVITY_DEPT_DATE (DEPT, `DATE`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS CALLLIST (
    DEPT varchar(60) NOT NULL DEFAULT '',
    PERSON1 varchar(40) NULL,
    PERSON2 varchar(40) NULL,
    PERSON3 varchar(40) NULL,
    PERSON4 varchar(40) NULL,
    PERSON5 varchar(40) NULL,
    NUMBER1 varchar(30) NULL,
    NUMBER2 varchar(30) NULL,
    NUMBER3 varchar(30) NULL,
    NUMBER4 varchar(30) NULL,
    NUMBER5 varchar(30) NULL,
    EMAIL1 varchar(80) NULL,
    EMAIL2 varchar(80) NULL,
    EMAIL3 varchar(80) NULL,
    EMAIL4 varchar(80) NULL,
    EMAIL5 varchar(80) NULL,
    TAPI_DEVICE varchar(80) NULL,
    WAVEFILE varchar(120) NULL,
    CHANGED varchar(40) NULL,
    KEY IX_CALLLIST_DEPT (DEPT)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- ACCESS_LIST holds one program access name per line.
CREATE TABLE IF NOT EXISTS USERS (
    DEPT varchar(60) NOT NULL DEFAULT '',
    USER_ID varchar(20) NOT NULL DEFAULT '',
    USER_NAME varchar(30) NULL,
    USER_PASSWORD varchar(20) NULL,
    ACCESS_LIST varchar(400) NULL,
    STATUS_FLAG int NULL,
    OK_TO_SIGN int NULL,
    CHANGED varchar(40) NULL,
    KEY IX_USERS_DEPT (DEPT)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;
