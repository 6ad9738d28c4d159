// Several computers sharing one journal: what one keeps, the other sees; children of the same name
// made apart stay two until renamed or merged; what is removed on one never comes back from another.
#include "JournalWorld.h"

namespace {

std::vector<QString> Shown(TComputer& Computer)
{
    std::vector<QString> names;
    for (const TChild& child : Computer->Children()) names.push_back(child.ShownName());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(JournalSharing, TwoComputersSeeEachOthersChildrenAndAnswers)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("sharing_two"));
    TComputer a(QStringLiteral("class-a"));
    TComputer b(QStringLiteral("class-b"));
    a->UseJournal(cluster.Settings(group), QuickRetries());
    b->UseJournal(cluster.Settings(group, /*Tcp=*/true), QuickRetries());  // one over 127.0.0.1
    const qint64 mashaA = a.AddChild(QStringLiteral("Маша"));
    a.Keep(mashaA, 8, QStringLiteral("ш"));
    ASSERT_TRUE(WaitUntil([&] { return b.ChildNamed(QStringLiteral("Маша")) != 0; }));
    const qint64 mashaB = b.ChildNamed(QStringLiteral("Маша"));
    b.Keep(mashaB, 4, QStringLiteral("щ"));
    ASSERT_TRUE(a.WaitSent());
    ASSERT_TRUE(b.WaitSent());
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 12);
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.children")), 1);

    // Both summaries hold both computers' answers: ш wrong once in four first tries, щ likewise.
    for (TComputer* computer : {&a, &b}) {
        const TProgressSummary summary = computer->Store->Summary(computer->ChildNamed(QStringLiteral("Маша")));
        EXPECT_EQ(computer->Store->JournalNote(), QString());
        EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("ш")), TMastery::msKnows);
        EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("щ")), TMastery::msKnows);
        ASSERT_EQ(summary.Pairs.size(), 2u);
        EXPECT_EQ(summary.Pairs[0].Count + summary.Pairs[1].Count, 3);
    }
    // This computer's own summary, for the games, never asks the journal.
    EXPECT_EQ(b->LocalSummary(mashaB).State(TMasteryKind::mkNames, QStringLiteral("ш")), TMastery::msUnmet);
}

TEST(JournalSharing, SameNameChildrenMadeApartStayTwoUntilMerged)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("sharing_same_name"));
    TComputer a(QStringLiteral("class-a"));
    TComputer b(QStringLiteral("class-b"));
    // Neither sees the journal yet (a morning without network); both joined it long ago.
    a->SetJournalConsent(true);
    b->SetJournalConsent(true);
    a.Keep(a.AddChild(QStringLiteral("Маша")), 3);
    b.Keep(b.AddChild(QStringLiteral("маша ")), 4);  // the same name as the program compares names
    EXPECT_EQ(b->AddChild(QStringLiteral("МАША"), {}), QStringLiteral("Ребёнок с таким именем уже есть."));
    a->UseJournal(cluster.Settings(group), QuickRetries());
    b->UseJournal(cluster.Settings(group), QuickRetries());
    ASSERT_TRUE(WaitUntil([&] { return a->Children().size() == 2 && b->Children().size() == 2; }));
    ASSERT_TRUE(a.WaitSent());
    ASSERT_TRUE(b.WaitSent());
    // One keeps its plain name, the other shows its computer's, the same on both computers.
    const auto shown = Shown(a);
    EXPECT_EQ(shown, Shown(b));
    const bool aFirst = shown[0] == QStringLiteral("Маша");
    const std::vector<QString> expected =
        aFirst ? std::vector<QString>{QStringLiteral("Маша"), QStringLiteral("маша (class-b)")}
               : std::vector<QString>{QStringLiteral("Маша (class-a)"), QStringLiteral("маша")};
    EXPECT_EQ(shown, expected);

    // Merged on a: all seven answers are the kept child's, here and in the journal, and b follows.
    qint64 kept = 0, gone = 0;
    for (const TChild& child : a->Children()) (child.Shown == child.Name ? kept : gone) = child.Id;
    ASSERT_TRUE(kept && gone);
    const QString keptUuid = [&] {
        for (const TChild& child : a->Children())
            if (child.Id == kept) return child.Uuid;
        return QString();
    }();
    b->SetPlayer(b.ChildNamed(aFirst ? QStringLiteral("маша") : QStringLiteral("Маша")));  // the one merged away
    ASSERT_TRUE(a->MergeChildren(gone, kept));
    ASSERT_TRUE(a.WaitSent());
    ASSERT_TRUE(WaitUntil([&] { return b->Children().size() == 1; }));
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.children")), 1);
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers WHERE child = '%1'").arg(keptUuid)),
              7);
    // b's player was one of the two: what b keeps now is the kept child's, whichever it was.
    b->Keep({TGameKind::gkExamination, false, QStringLiteral("а"), QStringLiteral("а"), {}, -1, true, true});
    b->Flush();
    ASSERT_TRUE(b.WaitSent());
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers WHERE child = '%1'").arg(keptUuid)),
              8);
    EXPECT_EQ(Shown(b), std::vector<QString>(1, aFirst ? QStringLiteral("Маша") : QStringLiteral("маша")));

    // A rename on one computer reaches the other.
    ASSERT_EQ(b->RenameChild(b->Children()[0].Id, QStringLiteral("Мария")), QString());
    ASSERT_TRUE(WaitUntil([&] { return a->Children().size() == 1 && a->Children()[0].Name == QStringLiteral("Мария"); }));
}

TEST(JournalSharing, WhatIsRemovedWhileAComputerIsOfflineNeverComesBack)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("sharing_removal"));
    TComputer a;
    TComputer b;
    a->UseJournal(cluster.Settings(group), QuickRetries());
    b->UseJournal(cluster.Settings(group), QuickRetries());
    const qint64 petyaA = a.AddChild(QStringLiteral("Петя"));
    const qint64 vanyaA = a.AddChild(QStringLiteral("Ваня"));
    a.Keep(petyaA, 3);
    a.Keep(vanyaA, 3);
    ASSERT_TRUE(WaitUntil([&] { return b->Children().size() == 2; }));
    b.Keep(b.ChildNamed(QStringLiteral("Ваня")), 2);
    ASSERT_TRUE(b.WaitSent());

    // b goes offline and goes on playing; meanwhile a removes Петя, and Ваня's answers so far.
    b->LeaveJournal();
    b.Keep(b.ChildNamed(QStringLiteral("Петя")), 4);
    b.Keep(b.ChildNamed(QStringLiteral("Ваня")), 5);
    ASSERT_TRUE(a->RemoveChild(petyaA));
    ASSERT_TRUE(a->DeleteProgress(vanyaA));
    ASSERT_TRUE(a.WaitSent());
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 0);
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.removals")), 2);

    // b back: its waiting answers of both are dropped, Петя is gone, and nothing reaches the journal.
    b->UseJournal(cluster.Settings(group), QuickRetries());
    ASSERT_TRUE(b.WaitSent());
    EXPECT_EQ(b.ChildNamed(QStringLiteral("Петя")), 0);
    EXPECT_NE(b.ChildNamed(QStringLiteral("Ваня")), 0);
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 0);
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.children")), 1);
    int bRows = 0;
    {
        TProgressDatabase file(b.Path());
        ASSERT_EQ(file.Open(false), progressdb::TOpenState::osOpen);
        file.ForEachAnswer(-1, [&](const progressdb::TAnswerRow&) { ++bRows; });
    }
    EXPECT_EQ(bRows, 0);
    // Ваня plays on: answers kept after the removal are sent as usual.
    QThread::msleep(1100);  // the removal covers answers up to its second
    b.Keep(b.ChildNamed(QStringLiteral("Ваня")), 2);
    ASSERT_TRUE(b.WaitSent());
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 2);
}
