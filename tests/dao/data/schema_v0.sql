-- The nine tables of Cocktails.mdb, in their fixed field order.
-- Positions matter: the windows read and write fields by position.
-- Counters (nr) are assigned by the store. Text sorts and compares with the
-- collation "deutsch" (German dictionary order, case ignored); ucase() is the
-- store's Unicode upper-casing, the same the program uses on its side.
-- Both are registered by the store on every connection.

CREATE TABLE cocktails (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT COLLATE deutsch,
    beschreibung  TEXT COLLATE deutsch,
    zubereitung   TEXT COLLATE deutsch,
    bewertung     TEXT COLLATE deutsch,
    erfinder      TEXT COLLATE deutsch,
    url           TEXT COLLATE deutsch
);

CREATE TABLE cocktailgruppen (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT COLLATE deutsch,
    beschreibung  TEXT COLLATE deutsch
);

CREATE TABLE gruppenzugehörigkeit (
    gruppe        INTEGER NOT NULL,
    cocktail      INTEGER NOT NULL
);

CREATE TABLE zutaten (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT COLLATE deutsch,
    beschreibung  TEXT COLLATE deutsch,
    alkohol       BOOLEAN,
    getränk       BOOLEAN
);

CREATE TABLE zutatenliste (
    cocktail         INTEGER NOT NULL,
    zutat            INTEGER NOT NULL,
    menge            TEXT COLLATE deutsch,
    variation        INTEGER NOT NULL DEFAULT 0,
    variationsmenge  TEXT COLLATE deutsch,
    pflicht          BOOLEAN,
    beschreibung     TEXT COLLATE deutsch
);

CREATE TABLE deko (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT COLLATE deutsch,
    beschreibung  TEXT COLLATE deutsch
);

CREATE TABLE dekoliste (
    cocktail      INTEGER NOT NULL,
    deko          INTEGER NOT NULL,
    beschreibung  TEXT COLLATE deutsch
);

CREATE TABLE zutatensetup (
    nr            INTEGER PRIMARY KEY AUTOINCREMENT,
    name          TEXT COLLATE deutsch,
    beschreibung  TEXT COLLATE deutsch
);

CREATE TABLE zutatensetupvorrat (
    setup         INTEGER NOT NULL,
    zutat         INTEGER NOT NULL,
    UNIQUE (setup, zutat)
);

-- Names are unique without regard to case: every name look-up compares
-- ucase(name) with an upper-cased value, so these indexes both serve those
-- look-ups and keep two entries from answering to the same name.
CREATE UNIQUE INDEX cocktails_ucase_name       ON cocktails (ucase(name));
CREATE UNIQUE INDEX cocktailgruppen_ucase_name ON cocktailgruppen (ucase(name));
CREATE UNIQUE INDEX zutaten_ucase_name         ON zutaten (ucase(name));
CREATE UNIQUE INDEX deko_ucase_name            ON deko (ucase(name));
CREATE UNIQUE INDEX zutatensetup_ucase_name    ON zutatensetup (ucase(name));

-- Lists ordered by name, and exact name look-ups.
CREATE INDEX cocktails_name    ON cocktails (name);
CREATE INDEX zutaten_name      ON zutaten (name);
CREATE INDEX deko_name         ON deko (name);
CREATE INDEX zutatensetup_name ON zutatensetup (name);

-- The lines of one cocktail, and the ingredient and decoration joins.
CREATE INDEX zutatenliste_cocktail ON zutatenliste (cocktail, zutat);
CREATE INDEX zutatenliste_zutat    ON zutatenliste (zutat);
CREATE INDEX dekoliste_cocktail    ON dekoliste (cocktail, deko);
CREATE INDEX gruppenzugehörigkeit_cocktail ON gruppenzugehörigkeit (cocktail, gruppe);
CREATE INDEX gruppenzugehörigkeit_gruppe   ON gruppenzugehörigkeit (gruppe);
CREATE INDEX zutatensetupvorrat_zutat      ON zutatensetupvorrat (zutat);
