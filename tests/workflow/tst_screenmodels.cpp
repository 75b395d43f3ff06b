#include "FixtureCatalogue.h"
#include "TestEnvironment.h"
#include "store/HistoryManager.h"
#include "workflow/AppDetailLoader.h"
#include "workflow/HistoryViewModel.h"

#include <QSignalSpy>

// The history list, its filter and deletion through the filter, and when the
// detail screen looks its item up.
class tst_ScreenModels : public QObject
{
    Q_OBJECT

    static AppItem item(qint64 id, const char *name, const char *region = nullptr)
    {
        return AppItem { id, QString::fromUtf8(name), {}, {},
            region ? std::optional<QString>(region) : std::nullopt };
    }
    static QStringList shown(HistoryViewModel &model)
    {
        QStringList names;
        for (int row = 0; row < model.filteredHistory()->rowCount(); ++row)
            names.append(model.filteredHistory()
                             ->index(row, 0)
                             .data(AppItemListModel::TrackNameRole)
                             .toString());
        return names;
    }

private slots:
    void init()
    {
        HistoryManager::shared()->clearAllHistory();
        // Stored newest first: 墨水日记, Harbor Maps, Lantern Notes.
        for (const AppItem &entry :
            { item(1, "Lantern Notes", "JP"), item(2, "Harbor Maps"), item(3, "墨水日记") })
            HistoryManager::shared()->addHistory(entry);
    }

    void filtersByNameIgnoringCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("none") << "" << QStringList { "墨水日记", "Harbor Maps", "Lantern Notes" };
        QTest::newRow("upper case, any part") << "NOTES" << QStringList { "Lantern Notes" };
        QTest::newRow("chinese") << "日记" << QStringList { "墨水日记" };
        QTest::newRow("identifier digits") << "1" << QStringList {};
    }

    void filtersByNameIgnoringCase()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        HistoryViewModel model;
        model.loadHistory();
        QSignalSpy resets(model.filteredHistory(), &QAbstractItemModel::modelReset);
        model.setSearchText(text);
        QCOMPARE(shown(model), names);
        QCOMPARE(resets.count(), 0); // rows come and go; the others keep their delegates
        QCOMPARE(model.historyItems()->count(), 3);
    }

    // Rows of the filtered list resolve to items before anything is removed.
    void deletesThroughTheFilter()
    {
        HistoryViewModel model;
        model.loadHistory();
        model.setSearchText(QStringLiteral("a"));
        QCOMPARE(shown(model), (QStringList { "Harbor Maps", "Lantern Notes" }));
        model.deleteItems({ 1, 0 });
        QCOMPARE(shown(model), QStringList {});
        QCOMPARE(HistoryManager::shared()->loadHistory(), QList<AppItem> { item(3, "墨水日记") });
        model.clearAllHistory();
        QCOMPARE(model.historyItems()->count(), 0);
    }

    void opensAnItemInItsOwnRegionElseTheUSStore()
    {
        QCOMPARE(
            HistoryViewModel::detailRegion(item(1, "Lantern Notes", "JP")), QStringLiteral("JP"));
        QCOMPARE(HistoryViewModel::detailRegion(item(1, "Lantern Notes")), QStringLiteral("US"));
    }

    // Appearing looks the item up again; so does another item while shown.
    void looksUpOnEveryAppearance()
    {
        FixtureCatalogue catalogue;
        AppDetailLoader loader;
        loader.setAppItem(item(1234567890123, "Lantern Notes"));
        loader.setCountryCode(QStringLiteral("CN"));
        QVERIFY(catalogue.requestLines().isEmpty());
        for (const bool active : { true, false, true })
            loader.setActive(active);
        QTRY_COMPARE(catalogue.requestLines().size(), 2);
        QTRY_VERIFY(loader.hasDetailedInfo() && !loader.isLoading());
        loader.setAppItem(item(FixtureCatalogue::errorPageId, "Broken"));
        QVERIFY(loader.isLoading() && !loader.hasDetailedInfo());
        QTRY_VERIFY(!loader.isLoading());
        QCOMPARE(catalogue.lastRequestLine(), "GET /lookup?id=404&country=CN");
        QVERIFY(!loader.hasDetailedInfo());
    }
};

VELLUMAR_TEST_MAIN(tst_ScreenModels)
#include "tst_screenmodels.moc"
