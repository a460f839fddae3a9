// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Two computers sharing a notes folder through a real Syncthing pair on loopback: two Syncthing instances with their
// own homes, talking only to each other on 127.0.0.1 (discovery, relays, NAT traversal and usage reporting off), and
// two peers, each a board of note windows on the test's X server with its own notes folder and its own places. A note
// made on A opens on B with its text and colour; an edit on B reaches A; moving a note on A moves nothing on B; with
// the link paused, the same note edited on both sides keeps both texts; a note let go of on A lands in B's .trash/.
#include "fakedialogs.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "sync/foldersync.h"
#include "window/notewindow.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

namespace {

const QString kFolderId = QStringLiteral("jotlet");

int freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

struct Peer
{
    QString name;
    QString home;
    QString folder;
    QString deviceId;
    int syncPort = 0;
    int guiPort = 0;
    QString apiKey;
    std::unique_ptr<QProcess> syncthing;
    std::unique_ptr<NoteBoard> board;
    std::unique_ptr<FolderSync> sync;
};

} // namespace

class TestSyncthingX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void twoComputersKeepTheSameNotes();

private:
    void setUpPeer(Peer& peer, const QString& name);
    void writeConfig(const Peer& self, const Peer& other);
    QJsonObject rest(Peer& peer, const QByteArray& verb, const QString& path);
    // Scans the sender's folder and waits until the receiver has everything the sender has.
    void carry(Peer& from, Peer& to);

    QString m_syncthing;
    QTemporaryDir m_dir;
    Peer m_a;
    Peer m_b;
    QNetworkAccessManager m_network;
};

void TestSyncthingX11::initTestCase()
{
    m_syncthing = QStandardPaths::findExecutable(QStringLiteral("syncthing"));
    if (m_syncthing.isEmpty()) {
        QSKIP("syncthing is not installed: the test command installs it");
    }
    setUpPeer(m_a, QStringLiteral("A"));
    setUpPeer(m_b, QStringLiteral("B"));
    writeConfig(m_a, m_b);
    writeConfig(m_b, m_a);
    for (Peer* peer : {&m_a, &m_b}) {
        peer->syncthing = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STNOUPGRADE"), QStringLiteral("1"));
        env.insert(QStringLiteral("STNODEFAULTFOLDER"), QStringLiteral("1"));
        peer->syncthing->setProcessEnvironment(env);
        peer->syncthing->setProcessChannelMode(QProcess::MergedChannels);
        peer->syncthing->setStandardOutputFile(peer->home + QStringLiteral("/syncthing.log"));
        peer->syncthing->start(m_syncthing,
                               {QStringLiteral("serve"),
                                QStringLiteral("--home=") + peer->home,
                                QStringLiteral("--no-browser"),
                                QStringLiteral("--no-restart"),
                                QStringLiteral("--no-upgrade")});
        QVERIFY(peer->syncthing->waitForStarted(10000));
    }
    // Up, and connected to each other.
    for (auto [self, other] : {std::pair {&m_a, &m_b}, std::pair {&m_b, &m_a}}) {
        QTest::qWait(500);
        if (self->syncthing->state() != QProcess::Running) {
            QFile log(self->home + QStringLiteral("/syncthing.log"));
            log.open(QIODevice::ReadOnly);
            QFAIL(qPrintable(QStringLiteral("Syncthing %1 ended:\n").arg(self->name)
                             + QString::fromUtf8(log.readAll().right(2000))));
        }
        QTRY_VERIFY_WITH_TIMEOUT(rest(*self, "GET", QStringLiteral("/rest/system/connections"))
                                     .value(QStringLiteral("connections"))
                                     .toObject()
                                     .value(other->deviceId)
                                     .toObject()
                                     .value(QStringLiteral("connected"))
                                     .toBool(),
                                 60000);
    }
    for (Peer* peer : {&m_a, &m_b}) {
        peer->board = std::make_unique<NoteBoard>();
        peer->board->setViewFactory([](Note* note) { new NoteWindow(note); });
        peer->sync
            = std::make_unique<FolderSync>(*peer->board, peer->folder, peer->home + QStringLiteral("/places.ini"));
        peer->sync->start();
    }
}

void TestSyncthingX11::cleanupTestCase()
{
    for (Peer* peer : {&m_a, &m_b}) {
        if (peer->sync) {
            peer->sync->finish();
            for (Note* note : peer->board->notes()) {
                note->discard();
            }
        }
        if (peer->syncthing) {
            peer->syncthing->terminate();
            peer->syncthing->waitForFinished(10000);
        }
    }
}

void TestSyncthingX11::setUpPeer(Peer& peer, const QString& name)
{
    peer.name = name;
    peer.home = m_dir.filePath(name + QStringLiteral("/syncthing"));
    peer.folder = m_dir.filePath(name + QStringLiteral("/Notes"));
    QDir().mkpath(peer.folder);
    peer.syncPort = freePort();
    peer.guiPort = freePort();
    peer.apiKey = QStringLiteral("jotlet-test-key-") + name;
    QProcess generate;
    generate.start(
        m_syncthing,
        {QStringLiteral("generate"), QStringLiteral("--home=") + peer.home, QStringLiteral("--no-default-folder")});
    QVERIFY(generate.waitForFinished(60000) && generate.exitCode() == 0);
    QProcess id;
    id.start(m_syncthing,
             {QStringLiteral("serve"), QStringLiteral("--home=") + peer.home, QStringLiteral("--device-id")});
    QVERIFY(id.waitForFinished(60000));
    peer.deviceId = QString::fromUtf8(id.readAllStandardOutput()).trimmed();
    QVERIFY2(peer.deviceId.size() > 50, qPrintable(peer.deviceId));
}

void TestSyncthingX11::writeConfig(const Peer& self, const Peer& other)
{
    // Only each other, only on loopback: no discovery, relays, NAT traversal, usage reports or upgrades.
    const QString device = QStringLiteral("<device id=\"%1\" name=\"%2\" compression=\"metadata\" introducer=\"false\">"
                                          "<address>tcp://127.0.0.1:%3</address></device>\n");
    // The configuration version of the Syncthing installed, as the generated configuration has it.
    QFile generated(self.home + QStringLiteral("/config.xml"));
    QVERIFY(generated.open(QIODevice::ReadOnly));
    const QString version = QRegularExpression(QStringLiteral("<configuration version=\"(\\d+)\""))
                                .match(QString::fromUtf8(generated.readAll()))
                                .captured(1);
    QVERIFY(!version.isEmpty());
    generated.close();
    const QString config
        = QStringLiteral("<configuration version=\"%5\">\n"
                         "<folder id=\"%1\" label=\"Notes\" path=\"%2\" type=\"sendreceive\" rescanIntervalS=\"3600\" "
                         "fsWatcherEnabled=\"true\" fsWatcherDelayS=\"1\"><device id=\"%3\"></device>"
                         "<device id=\"%4\"></device><maxConflicts>10</maxConflicts></folder>\n")
              .arg(kFolderId, self.folder, self.deviceId, other.deviceId, version)
          + device.arg(self.deviceId, self.name).arg(self.syncPort)
          + device.arg(other.deviceId, other.name).arg(other.syncPort)
          + QStringLiteral("<gui enabled=\"true\" tls=\"false\"><address>127.0.0.1:%1</address><apikey>%2</apikey>"
                           "</gui>\n<options><listenAddress>tcp://127.0.0.1:%3</listenAddress>"
                           "<globalAnnounceEnabled>false</globalAnnounceEnabled>"
                           "<localAnnounceEnabled>false</localAnnounceEnabled><relaysEnabled>false</relaysEnabled>"
                           "<natEnabled>false</natEnabled><urAccepted>-1</urAccepted><startBrowser>false</startBrowser>"
                           "<autoUpgradeIntervalH>0</autoUpgradeIntervalH>"
                           "<crashReportingEnabled>false</crashReportingEnabled>"
                           "<announceLANAddresses>false</announceLANAddresses>"
                           "<stunKeepaliveStartS>0</stunKeepaliveStartS></options>\n</configuration>\n")
                .arg(self.guiPort)
                .arg(self.apiKey)
                .arg(self.syncPort);
    QFile file(self.home + QStringLiteral("/config.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(config.toUtf8());
}

QJsonObject TestSyncthingX11::rest(Peer& peer, const QByteArray& verb, const QString& path)
{
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(peer.guiPort).arg(path)));
    request.setRawHeader("X-API-Key", peer.apiKey.toUtf8());
    QNetworkReply* reply = m_network.sendCustomRequest(request, verb);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray body = reply->isFinished() ? reply->readAll() : QByteArray();
    reply->deleteLater();
    return QJsonDocument::fromJson(body).object();
}

void TestSyncthingX11::carry(Peer& from, Peer& to)
{
    from.sync->flush();
    rest(from, "POST", QStringLiteral("/rest/db/scan?folder=") + kFolderId);
    const QString completion = QStringLiteral("/rest/db/completion?folder=%1&device=%2").arg(kFolderId, to.deviceId);
    QTRY_VERIFY_WITH_TIMEOUT(rest(from, "GET", completion).value(QStringLiteral("completion")).toDouble() >= 100.0
                                 && rest(from, "GET", completion).value(QStringLiteral("needItems")).toInt() == 0,
                             60000);
}

void TestSyncthingX11::twoComputersKeepTheSameNotes()
{
    // Made on A: on B with its text and colour.
    Note* onA = m_a.board->createNote();
    m_a.sync->adopt(onA);
    onA->text().setText(QStringLiteral("made on A"));
    onA->setColor(QStringLiteral("blue"), false);
    const QString id = onA->folderId();
    carry(m_a, m_b);
    QTRY_VERIFY_WITH_TIMEOUT(m_b.sync->noteFor(id), 30000);
    Note* onB = m_b.sync->noteFor(id);
    QCOMPARE(onB->text().text(), QStringLiteral("made on A"));
    QCOMPARE(onB->colorText(), QStringLiteral("blue"));

    // Edited on B: on A.
    onB->text().setText(QStringLiteral("made on A, edited on B"));
    carry(m_b, m_a);
    QTRY_COMPARE_WITH_TIMEOUT(onA->text().text(), QStringLiteral("made on A, edited on B"), 30000);

    // Moved on A: nothing to carry, B's note stays where it is.
    const QRect placeOnB = onB->geometry();
    const QByteArray fileOnB = [this, &id] {
        QFile file(m_b.sync->folder().fileFor(id));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    onA->moveTo(onA->geometry().topLeft() + QPoint(3000, 1500));
    carry(m_a, m_b);
    QTest::qWait(1500);
    QCOMPARE(onB->geometry(), placeOnB);
    QFile sameOnB(m_b.sync->folder().fileFor(id));
    QVERIFY(sameOnB.open(QIODevice::ReadOnly));
    QCOMPARE(sameOnB.readAll(), fileOnB);

    // Edited on both sides while the link is paused: both texts kept, one conflict copy.
    rest(m_a, "POST", QStringLiteral("/rest/system/pause?device=") + m_b.deviceId);
    rest(m_b, "POST", QStringLiteral("/rest/system/pause?device=") + m_a.deviceId);
    onA->text().setText(QStringLiteral("A's version"));
    m_a.sync->flush();

    QTest::qWait(1100); // another second for the newer one
    onB->text().setText(QStringLiteral("B's version"));
    m_b.sync->flush();
    rest(m_a, "POST", QStringLiteral("/rest/db/scan?folder=") + kFolderId);
    rest(m_b, "POST", QStringLiteral("/rest/db/scan?folder=") + kFolderId);
    rest(m_a, "POST", QStringLiteral("/rest/system/resume?device=") + m_b.deviceId);
    rest(m_b, "POST", QStringLiteral("/rest/system/resume?device=") + m_a.deviceId);
    carry(m_a, m_b);
    carry(m_b, m_a);
    const auto textsOnB = [this, &id] {
        QStringList texts;
        if (Note* note = m_b.sync->noteFor(id)) {
            texts << note->text().text();
        }
        for (Note* conflict : m_b.sync->conflicts()) {
            texts << conflict->text().text();
        }
        texts.sort();
        return texts;
    };
    QTRY_COMPARE_WITH_TIMEOUT(textsOnB(), QStringList({"A's version", "B's version"}), 30000);
    const QStringList copies = QDir(m_b.folder).entryList({QStringLiteral("*.sync-conflict-*.not")}, QDir::Files);
    QCOMPARE(copies.size(), 1);

    // Let go of on A (closed with No): in B's .trash/ too, and gone from B's desktop.
    FakeDialogs dialogs;
    dialogs.questionAnswers << Answer::No;
    onA->text().setText(QStringLiteral("let go of on A"));
    QVERIFY(onA->close());
    carry(m_a, m_b);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_b.folder + QStringLiteral("/.trash/") + id + QStringLiteral(".not")),
                             30000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_b.sync->noteFor(id), 30000);
    QCOMPARE(m_b.sync->conflicts().size(), 1); // the other version stays until the user decides
}

QTEST_MAIN(TestSyncthingX11)
#include "tst_syncthing_x11.moc"
