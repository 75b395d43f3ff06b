// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ApplicationContext.h"
#include "catalogue/AppItem.h"
#include "catalogue/AppStoreAPI.h"

#include <QAbstractListModel>
#include <QImage>
#include <QQmlParserStatus>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>
#include <qcorotask.h>

// One app's icons across store regions: the app is looked up in each region
// in turn, one catalogue call a region, paced as every call is. Regions whose
// answers give the same artwork address share an icon, and so do addresses
// whose pictures decode to the same pixels (each address is downloaded once).
// A region whose lookup answers no record does not sell the app; one whose
// lookup fails otherwise keeps its reason, and the others go on. A cancel, or
// a new start, asks nothing more and drops what is still on its way; what was
// found stays.
//
// Its rows are the icons, each once, in the order their first regions were
// asked: a region that shares an icon changes its row, so a screen keeps the
// rows it shows. Made by QML, it takes the application context of its engine.
class RegionComparison : public QAbstractListModel, public QQmlParserStatus
{
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    // The regions that have answered, whichever way, of all asked.
    Q_PROPERTY(int completed READ completed NOTIFY progressChanged)
    Q_PROPERTY(int total READ total NOTIFY progressChanged)
    // The regions without the app, and those whose lookup failed (with a
    // reason), each a region as the rows give them: { code, flag, name }.
    Q_PROPERTY(QVariantList notSoldIn READ notSoldInForQml NOTIFY regionsLeftOutChanged)
    Q_PROPERTY(QVariantList failures READ failuresForQml NOTIFY regionsLeftOutChanged)
    // The remembered regions a start compares, in their order: their codes, and
    // each as { code, flag, name }.
    Q_PROPERTY(QStringList regions READ regions NOTIFY regionsChanged)
    Q_PROPERTY(QVariantList chosenRegions READ chosenRegionsForQml NOTIFY regionsChanged)

public:
    // A row's AppItem is what a save of its icon saves; its regions are as above.
    enum Role { ItemRole = Qt::UserRole + 1, ArtworkUrlRole, RegionsRole };
    Q_ENUM(Role)

    struct Icon
    {
        // As the icon's first region answered, carrying that region: what a save saves.
        AppItem item;
        // Its 512-pixel artwork addresses; the first is the one shown.
        QStringList artworkUrls;
        QStringList regions;
        // Null when the download failed: then only its address tells it apart.
        QImage picture;
    };
    struct Failure
    {
        QString region;
        Error error;
    };

    explicit RegionComparison(QObject *parent = nullptr);
    // Once, before it is used, when made in C++.
    void setContext(ApplicationContext &context);
    void classBegin() override;
    void componentComplete() override { }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] int completed() const { return m_completed; }
    [[nodiscard]] int total() const { return int(m_compared.size()); }
    [[nodiscard]] const QList<Icon> &icons() const { return m_icons; }
    [[nodiscard]] const QStringList &notSoldInRegions() const { return m_notSoldIn; }
    [[nodiscard]] const QList<Failure> &failedRegions() const { return m_failures; }
    [[nodiscard]] QStringList regions() const;

    // Compares the item in the remembered regions; returns at once.
    Q_INVOKABLE void start(const AppItem &item);
    void start(qint64 trackId, const QStringList &codes);
    Q_INVOKABLE void cancel();
    // Adds the region to the remembered ones, at the end, or takes it out.
    Q_INVOKABLE void toggleRegion(const QString &code);

Q_SIGNALS:
    void runningChanged();
    void progressChanged();
    void regionsLeftOutChanged();
    void regionsChanged();
    // Every region has answered, or the comparison was cancelled.
    void finished();

private:
    QCoro::Task<> run(qint64 trackId, QStringList codes);
    // Adds the region's answer to the icon it shares, or as a new one.
    QCoro::Task<> place(AppItem item, AppStoreAPI::StillWanted current);
    void setRunning(bool running);
    [[nodiscard]] ApplicationContext &context() const { return *m_context; }

    [[nodiscard]] QVariantList notSoldInForQml() const;
    [[nodiscard]] QVariantList failuresForQml() const;
    [[nodiscard]] QVariantList chosenRegionsForQml() const { return regionsForQml(regions()); }
    [[nodiscard]] static QVariantList regionsForQml(const QStringList &codes);

    ApplicationContext *m_context = nullptr;
    bool m_running = false;
    int m_completed = 0;
    QStringList m_compared;
    QList<Icon> m_icons;
    QStringList m_notSoldIn;
    QList<Failure> m_failures;
    // Answers of an earlier start, or of a cancelled one, are dropped.
    quint64 m_generation = 0;
};
