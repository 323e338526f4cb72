#pragma once
// Fixture for tests of the program's windows: a fresh copy of the starter
// database as the program's folder, the ending observed instead of ending the
// process, and at the end no window left over.

#include "NoWindowLeft.h"
#include "TempDatabase.h"
#include "modul/HauptModul.h"
#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        HauptModul::Ende = [this](int status) { endings.push_back(status); };
        HauptModul::Programmordner = [this] { return db.Folder(); };
    }

    void TearDown() override {
        toolkit::SetMsgBoxResponder({});
        toolkit::DiscardAll();
        ExpectNoWindowLeft();
        HauptModul::Datenbank.reset();
        HauptModul::Arbeitsbereich.reset();
        HauptModul::Ende = m_ende;
        HauptModul::Programmordner = m_ordner;
    }

    // Starts the program on the copy: the menu is shown.
    void Start() {
        HauptModul::Main();
        HauptModul::ÖffnungAbwarten();
        ASSERT_TRUE(HauptModul::Datenbank) << "the database did not open";
    }

    TempDatabase db;
    std::vector<int> endings;

private:
    // What the program had, restored at the end.
    std::function<void(int)> m_ende = HauptModul::Ende;
    std::function<QString()> m_ordner = HauptModul::Programmordner;
};
