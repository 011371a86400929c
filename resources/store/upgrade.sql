~~STAGE~~10
=next>
CREATE TABLE [version_info] ([entity] TEXT(50), [entval] TEXT(255), [subval] NUMBER);
=next>
CREATE TABLE [users] (
    [id] INTEGER NOT NULL CONSTRAINT [PrimaryKey] PRIMARY KEY AUTOINCREMENT,
    [user] TEXT(100),
    [username] TEXT(100)
);
=next>
CREATE TABLE [users_settings] (
    [id_user] INTEGER, [setting_name] TEXT(50), [setting_value] TEXT(255),
    CONSTRAINT [usersusers_settings] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
CREATE TABLE [common_settings] (
    [id_user] INTEGER, [setting_name] TEXT(50), [setting_value] TEXT(255),
    CONSTRAINT [userscommon_settings] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
CREATE TABLE [courses] (
    [id] INTEGER NOT NULL CONSTRAINT [PrimaryKey] PRIMARY KEY,
    [course_name] TEXT(255), [codename] TEXT(255), [version] DECIMAL(18, 0)
);
=next>
CREATE TABLE [courses_data] (
    [id_user] INTEGER, [id_course] INTEGER, [param_name] TEXT(50), [param_value] TEXT(255),
    CONSTRAINT [coursescourses_data] FOREIGN KEY ([id_course]) REFERENCES [courses] ([id]) ON UPDATE CASCADE ON DELETE CASCADE,
    CONSTRAINT [userscourses_data] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
CREATE TABLE [courses_settings] (
    [id_user] INTEGER, [setting_name] TEXT(50), [setting_value] TEXT(255),
    CONSTRAINT [userscourses_settings] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
CREATE TABLE [trainers] (
    [id] INTEGER NOT NULL CONSTRAINT [PrimaryKey] PRIMARY KEY,
    [trainer_name] TEXT(255), [codename] TEXT(255), [version] DECIMAL(18, 0)
);
=next>
CREATE TABLE [trainers_cntrls_settings] (
    [id_user] INTEGER, [id_trainer] INTEGER, [cntrl_holder] TEXT(80), [setting_value] TEXT(255),
    CONSTRAINT [trainerstrainers_cntrls_settings] FOREIGN KEY ([id_trainer]) REFERENCES [trainers] ([id]) ON UPDATE CASCADE ON DELETE CASCADE,
    CONSTRAINT [userstrainers_cntrls_settings] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
CREATE TABLE [trainers_data] (
    [id_user] INTEGER, [id_trainer] INTEGER, [param_name] TEXT(50), [param_value] TEXT(255),
    CONSTRAINT [trainerstrainers_data] FOREIGN KEY ([id_trainer]) REFERENCES [trainers] ([id]) ON UPDATE CASCADE ON DELETE CASCADE,
    CONSTRAINT [userstrainers_data] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
CREATE TABLE [trainers_settings] (
    [id_user] INTEGER, [id_trainer] INTEGER, [setting_name] TEXT(50), [setting_value] TEXT(255),
    CONSTRAINT [trainerstrainers_settings] FOREIGN KEY ([id_trainer]) REFERENCES [trainers] ([id]) ON UPDATE CASCADE ON DELETE CASCADE,
    CONSTRAINT [userstrainers_settings] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
CREATE TABLE [trainers_stat] (
    [id_user] INTEGER, [id_trainer] INTEGER, [matter] TEXT(255), [user_input] TEXT(255),
    [date_in] DATETIME, [right_answer] TEXT(255), [wrong_answer] TEXT(255), [is_correct] BYTE,
    [translit_sys] BYTE,
    CONSTRAINT [trainerstrainers_stat] FOREIGN KEY ([id_trainer]) REFERENCES [trainers] ([id]) ON UPDATE CASCADE ON DELETE CASCADE,
    CONSTRAINT [userstrainers_stat] FOREIGN KEY ([id_user]) REFERENCES [users] ([id]) ON UPDATE CASCADE ON DELETE CASCADE
);
=next>
INSERT INTO [version_info] ([entity],[entval],[subval]) VALUES ('DB','1.0',10);
=next>
INSERT INTO [courses] ([id],[course_name],[codename],[version]) VALUES (0,'О санскрите','sans_essentia','1');
=next>
INSERT INTO [courses] ([id],[course_name],[codename],[version]) VALUES (1,'Курс: Алфавит Деванагари','alpha_dev','1');
=next>
INSERT INTO [courses] ([id],[course_name],[codename],[version]) VALUES (2,'Курс учеников','kuvari','1');
=next>
INSERT INTO [courses] ([id],[course_name],[codename],[version]) VALUES (3,'Курс: Цифры деванагари','cypher_dev','1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (0,'Тренажер abstract',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (1,'Тренажер 1',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (2,'Тренажер 2',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (3,'Тренажер 3',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (4,'Тренажер 4',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (5,'Тренажер 5',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (6,'Тренажер 6',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (7,'Тренажер 7',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (8,'Тренажер 8',NULL,'1');

~~STAGE~~11
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (9,'Тренажер 9',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (10,'Тренажер 10',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (11,'Тренажер 11',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (12,'Тренажер 12',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (13,'Тренажер 13',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (14,'Тренажер 14',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (15,'Тренажер 15',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (16,'Тренажер 16',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (17,'Тренажер 17',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (18,'Тренажер 18',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (19,'Тренажер 19',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (20,'Тренажер 20',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (21,'Тренажер 21',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (22,'Тренажер 22',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (23,'Тренажер 23',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (24,'Тренажер 24',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (25,'Тренажер 25',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (26,'Тренажер 26',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (27,'Тренажер 27',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (28,'Тренажер 28',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (29,'Тренажер 29',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (30,'Тренажер 30',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (31,'Тренажер 31',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (32,'Тренажер 32',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (33,'Тренажер 33',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (34,'Тренажер 34',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (35,'Тренажер 35',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (36,'Тренажер 36',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (37,'Тренажер 37',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (38,'Тренажер 38',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (39,'Тренажер 39',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (40,'Тренажер 40',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (41,'Тренажер 41',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (42,'Тренажер 42',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (43,'Тренажер 43',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (44,'Тренажер 44',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (45,'Тренажер 45',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (46,'Тренажер 46',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (47,'Тренажер 47',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (48,'Тренажер 48',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (49,'Тренажер 49',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (50,'Тренажер 50',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (51,'Тренажер 51',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (52,'Тренажер 52',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (53,'Тренажер 53',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (54,'Тренажер 54',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (55,'Тренажер 55',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (56,'Тренажер 56',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (57,'Тренажер 57',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (58,'Тренажер 58',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (59,'Тренажер 59',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (60,'Тренажер 60',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (61,'Тренажер 61',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (62,'Тренажер 62',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (63,'Тренажер 63',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (64,'Тренажер 64',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (65,'Тренажер 65',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (66,'Тренажер 66',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (67,'Тренажер 67',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (68,'Тренажер 68',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (69,'Тренажер 69',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (70,'Тренажер 70',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (71,'Тренажер 71',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (72,'Тренажер 72',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (73,'Тренажер 73',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (74,'Тренажер 74',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (75,'Тренажер 75',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (76,'Тренажер 76',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (77,'Тренажер 77',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (78,'Тренажер 78',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (79,'Тренажер 79',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (80,'Тренажер 80',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (81,'Тренажер 81',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (82,'Тренажер 82',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (83,'Тренажер 83',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (84,'Тренажер 84',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (85,'Тренажер 85',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (86,'Тренажер 86',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (87,'Тренажер 87',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (88,'Тренажер 88',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (89,'Тренажер 89',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (90,'Тренажер 90',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (91,'Тренажер 91',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (92,'Тренажер 92',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (93,'Тренажер 93',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (94,'Тренажер 94',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (95,'Тренажер 95',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (96,'Тренажер 96',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (97,'Тренажер 97',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (98,'Тренажер 98',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (99,'Тренажер 99',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (100,'Тренажер 100',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (101,'Тренажер 101',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (102,'Тренажер 102',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (103,'Тренажер 103',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (104,'Тренажер 104',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (105,'Тренажер 105',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (106,'Тренажер 106',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (107,'Тренажер 107',NULL,'1');
=next>
INSERT INTO [trainers] ([id],[trainer_name],[codename],[version]) VALUES (108,'Тренажер 108',NULL,'1');
=next>
UPDATE version_info set entval = '1.1', subval = 11; 

~~STAGE~~12
=next>
ALTER TABLE Users ADD COLUMN gender byte;
=next>
ALTER TABLE Users ADD COLUMN send_stat byte;
=next>
ALTER TABLE Users ADD COLUMN auto_enter byte;
=next>
UPDATE version_info set entval = '1.2', subval = 12; 

