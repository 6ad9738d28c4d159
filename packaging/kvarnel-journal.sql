-- The journal of a group (a kindergarten group or a class) that several computers running Кварнель
-- share: the children and their answers. One database per group, PostgreSQL 11 or later.
--
-- Кварнель makes these tables itself on its first connection when its role may create them. Where
-- it may not, an administrator runs this script once per database, as the database's owner or a
-- superuser, then gives each group's login the role "kvarnel_journal", which may only select,
-- insert and delete in the schema "kvarnel":
--
--     createdb kvarnel_group_3
--     psql -v ON_ERROR_STOP=1 -d kvarnel_group_3 -f kvarnel-journal.sql
--     psql -d kvarnel_group_3 -c "CREATE ROLE group_3 LOGIN PASSWORD '…' IN ROLE kvarnel_journal"
--
-- Running it again changes nothing. The tables are the same as those the program makes (its tests
-- compare them); a later version of the program comes with a later version of this script.

BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'kvarnel_journal') THEN
        CREATE ROLE kvarnel_journal NOLOGIN;
    END IF;
END
$$;

CREATE SCHEMA IF NOT EXISTS kvarnel;

CREATE TABLE IF NOT EXISTS kvarnel.journal_version(version integer NOT NULL);

CREATE TABLE IF NOT EXISTS kvarnel.children(
    id uuid PRIMARY KEY,
    name text NOT NULL,
    name_key text NOT NULL,     -- the name case folded, ё as е: what names are compared by
    picture text NOT NULL,
    created bigint NOT NULL,    -- seconds since 1970 (UTC)
    host text NOT NULL,         -- the computer the child was added on
    changed bigint NOT NULL     -- milliseconds since 1970 of the last rename or new picture
);

CREATE TABLE IF NOT EXISTS kvarnel.answers(
    id uuid PRIMARY KEY,
    child uuid NOT NULL,
    time bigint NOT NULL,       -- seconds since 1970 (UTC)
    utc_offset integer NOT NULL,
    game smallint NOT NULL,     -- 0 learning board, 1 "Найди букву", 2 "Дед Буквоед", 3 "Экзамен"
    mode smallint NOT NULL,     -- 0 letter names, 1 letter sounds
    asked text NOT NULL,
    picked text NOT NULL,
    word text NOT NULL,
    position integer NOT NULL,
    is_right boolean NOT NULL,
    first_try boolean NOT NULL,
    seq bigint NOT NULL         -- the order the answers were kept in on their computer
);
CREATE INDEX IF NOT EXISTS answers_by_letter ON kvarnel.answers(child, game, mode, asked, time, seq);
CREATE INDEX IF NOT EXISTS answers_by_time ON kvarnel.answers(child, time, utc_offset);
CREATE INDEX IF NOT EXISTS answers_wrong ON kvarnel.answers(child, asked, picked) WHERE NOT is_right AND asked <> picked;

-- Tombstones: a child's answers up to a time, or the child itself, removed on some computer.
CREATE TABLE IF NOT EXISTS kvarnel.removals(
    child uuid NOT NULL,
    answers_until bigint NOT NULL,
    child_removed boolean NOT NULL,
    removed_at bigint NOT NULL,
    PRIMARY KEY(child, answers_until)
);

-- Two entries of one child made one: the gone one's answers belong to the kept one.
CREATE TABLE IF NOT EXISTS kvarnel.merges(
    gone uuid PRIMARY KEY,
    kept uuid NOT NULL,
    merged_at bigint NOT NULL
);

INSERT INTO kvarnel.journal_version(version) SELECT 1 WHERE NOT EXISTS (SELECT 1 FROM kvarnel.journal_version);

REVOKE ALL ON SCHEMA kvarnel FROM PUBLIC;
GRANT USAGE ON SCHEMA kvarnel TO kvarnel_journal;
GRANT SELECT, INSERT, DELETE ON ALL TABLES IN SCHEMA kvarnel TO kvarnel_journal;

COMMIT;
