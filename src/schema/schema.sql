-- The nine tables of Cocktails.mdb, in their fixed field order, schema version 1.
-- Positions matter: the windows read and write fields by position.
-- Counters (nr) are assigned by the store.
--
-- The file needs nothing that only the program has: any SQLite or SQLCipher shell
-- can read, check, change and repair it. German dictionary order and names
-- without regard to case are the program's doing when it asks.

CREATE TABLE cocktails (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT,
    beschreibung  TEXT,
    zubereitung   TEXT,
    bewertung     TEXT,
    erfinder      TEXT,
    url           TEXT
);

CREATE TABLE cocktailgruppen (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT,
    beschreibung  TEXT
);

CREATE TABLE gruppenzugehörigkeit (
    gruppe        INTEGER NOT NULL,
    cocktail      INTEGER NOT NULL
);

CREATE TABLE zutaten (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT,
    beschreibung  TEXT,
    alkohol       BOOLEAN,
    getränk       BOOLEAN
);

CREATE TABLE zutatenliste (
    cocktail         INTEGER NOT NULL,
    zutat            INTEGER NOT NULL,
    menge            TEXT,
    variation        INTEGER NOT NULL DEFAULT 0,
    variationsmenge  TEXT,
    pflicht          BOOLEAN,
    beschreibung     TEXT
);

CREATE TABLE deko (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT,
    beschreibung  TEXT
);

CREATE TABLE dekoliste (
    cocktail      INTEGER NOT NULL,
    deko          INTEGER NOT NULL,
    beschreibung  TEXT
);

CREATE TABLE zutatensetup (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT,
    beschreibung  TEXT
);

CREATE TABLE zutatensetupvorrat (
    setup         INTEGER NOT NULL,
    zutat         INTEGER NOT NULL,
    UNIQUE (setup, zutat)
);

-- Names looked up without regard to case. A name whose upper case differs from
-- its own letters only in ASCII letters and in single letters with a case
-- partner (ä/Ä) is found through the first index. A name with a letter whose
-- upper case is longer or plain ASCII (ß as SS, ligatures, dotless i) is found
-- through the second, which holds only such names.
CREATE INDEX cocktails_name ON cocktails (name COLLATE NOCASE);
CREATE INDEX cocktailgruppen_name ON cocktailgruppen (name COLLATE NOCASE);
CREATE INDEX zutaten_name ON zutaten (name COLLATE NOCASE);
CREATE INDEX deko_name ON deko (name COLLATE NOCASE);
CREATE INDEX zutatensetup_name ON zutatensetup (name COLLATE NOCASE);
CREATE INDEX cocktails_name_sonderfall ON cocktails (name) WHERE name GLOB '*[ßıŉſǰΐΰևẖẗẘẙẚὐὒὔὖᾀᾁᾂᾃᾄᾅᾆᾇᾈᾉᾊᾋᾌᾍᾎᾏᾐᾑᾒᾓᾔᾕᾖᾗᾘᾙᾚᾛᾜᾝᾞᾟᾠᾡᾢᾣᾤᾥᾦᾧᾨᾩᾪᾫᾬᾭᾮᾯᾲᾳᾴᾶᾷᾼῂῃῄῆῇῌῒΐῖῗῢΰῤῦῧῲῳῴῶῷῼﬀﬁﬂﬃﬄﬅﬆﬓﬔﬕﬖﬗ]*';
CREATE INDEX cocktailgruppen_name_sonderfall ON cocktailgruppen (name) WHERE name GLOB '*[ßıŉſǰΐΰևẖẗẘẙẚὐὒὔὖᾀᾁᾂᾃᾄᾅᾆᾇᾈᾉᾊᾋᾌᾍᾎᾏᾐᾑᾒᾓᾔᾕᾖᾗᾘᾙᾚᾛᾜᾝᾞᾟᾠᾡᾢᾣᾤᾥᾦᾧᾨᾩᾪᾫᾬᾭᾮᾯᾲᾳᾴᾶᾷᾼῂῃῄῆῇῌῒΐῖῗῢΰῤῦῧῲῳῴῶῷῼﬀﬁﬂﬃﬄﬅﬆﬓﬔﬕﬖﬗ]*';
CREATE INDEX zutaten_name_sonderfall ON zutaten (name) WHERE name GLOB '*[ßıŉſǰΐΰևẖẗẘẙẚὐὒὔὖᾀᾁᾂᾃᾄᾅᾆᾇᾈᾉᾊᾋᾌᾍᾎᾏᾐᾑᾒᾓᾔᾕᾖᾗᾘᾙᾚᾛᾜᾝᾞᾟᾠᾡᾢᾣᾤᾥᾦᾧᾨᾩᾪᾫᾬᾭᾮᾯᾲᾳᾴᾶᾷᾼῂῃῄῆῇῌῒΐῖῗῢΰῤῦῧῲῳῴῶῷῼﬀﬁﬂﬃﬄﬅﬆﬓﬔﬕﬖﬗ]*';
CREATE INDEX deko_name_sonderfall ON deko (name) WHERE name GLOB '*[ßıŉſǰΐΰևẖẗẘẙẚὐὒὔὖᾀᾁᾂᾃᾄᾅᾆᾇᾈᾉᾊᾋᾌᾍᾎᾏᾐᾑᾒᾓᾔᾕᾖᾗᾘᾙᾚᾛᾜᾝᾞᾟᾠᾡᾢᾣᾤᾥᾦᾧᾨᾩᾪᾫᾬᾭᾮᾯᾲᾳᾴᾶᾷᾼῂῃῄῆῇῌῒΐῖῗῢΰῤῦῧῲῳῴῶῷῼﬀﬁﬂﬃﬄﬅﬆﬓﬔﬕﬖﬗ]*';
CREATE INDEX zutatensetup_name_sonderfall ON zutatensetup (name) WHERE name GLOB '*[ßıŉſǰΐΰևẖẗẘẙẚὐὒὔὖᾀᾁᾂᾃᾄᾅᾆᾇᾈᾉᾊᾋᾌᾍᾎᾏᾐᾑᾒᾓᾔᾕᾖᾗᾘᾙᾚᾛᾜᾝᾞᾟᾠᾡᾢᾣᾤᾥᾦᾧᾨᾩᾪᾫᾬᾭᾮᾯᾲᾳᾴᾶᾷᾼῂῃῄῆῇῌῒΐῖῗῢΰῤῦῧῲῳῴῶῷῼﬀﬁﬂﬃﬄﬅﬆﬓﬔﬕﬖﬗ]*';

-- The lines of one cocktail, and the ingredient and decoration joins.
CREATE INDEX zutatenliste_cocktail ON zutatenliste (cocktail, zutat);
CREATE INDEX zutatenliste_zutat    ON zutatenliste (zutat);
CREATE INDEX dekoliste_cocktail    ON dekoliste (cocktail, deko);
CREATE INDEX gruppenzugehörigkeit_cocktail ON gruppenzugehörigkeit (cocktail, gruppe);
CREATE INDEX gruppenzugehörigkeit_gruppe   ON gruppenzugehörigkeit (gruppe);
CREATE INDEX zutatensetupvorrat_zutat      ON zutatensetupvorrat (zutat);

PRAGMA user_version = 1;
