// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/aboutwindow.h"

#include "note/dialogresponder.h"
#include "platform/desktopopener.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "version.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <QCoreApplication>
#include <cmath>

namespace jotlet {

namespace {

constexpr int kBandTwips = 2000;
constexpr double kTwipsPerPixel = 15.0;

int px(int twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}

QLabel* label(const QString& text, QWidget* parent, const char* name = nullptr)
{
    auto* made = new QLabel(text, parent);
    if (name) {
        made->setObjectName(QLatin1String(name));
    }
    return made;
}

} // namespace

QString buildText(int major, int minor, int revision)
{
    //: Followed by the version number.
    return QCoreApplication::translate("jotlet::AboutWindow", "Build - ") + versionText(major, minor, revision);
}

void CreditScroller::tick()
{
    for (int& top : m_tops) {
        top -= 50;
        if (top < 0) {
            top = 3000;
        }
    }
}

AboutWindow::AboutWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_scroller({600, 1100, 1600, 2100})
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    auto* logo = label(QString(), this, "Picture1");
    logo->setPixmap(QIcon(QStringLiteral(":/jotlet.svg")).pixmap(96, 96));
    auto* name = label(QStringLiteral("<b><big>Jotlet</big></b>"), this);
    auto* build
        = label(buildText(JOTLET_VERSION_MAJOR, JOTLET_VERSION_MINOR, JOTLET_VERSION_REVISION), this, "lblBuild");
    auto* band = new QWidget(this);
    band->setFixedHeight(px(kBandTwips));
    band->setMinimumWidth(240);
    for (const QString& line : {QStringLiteral("\u00a9 2026 Quorvel"),
                                QString::fromLatin1(kMakerWebsite),
                                tr("The Quorvel team"),
                                tr("Written by the Jotlet developers")}) {
        m_credits << label(line, band, "Label1");
    }
    auto* terms = label(tr("Jotlet is free software: you may use it, share it and change it under the "
                           "terms of the GNU General Public License, version 3 or any later version. It "
                           "comes with no warranty of any kind."),
                        this,
                        "lblDisclaimer");
    terms->setWordWrap(true);
    auto* contact = label(
        QStringLiteral("<a href=\"mailto:%1?subject=Jotlet\">%1</a>").arg(QLatin1String(kMakerEmail)), this, "Label4");
    contact->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(contact, &QLabel::linkActivated, this, [this](const QString& link) {
        const QPointer<AboutWindow> self(this);
        desktopOpener().open(link, [self, link](const Problem& reason) {
            logError(
                QStringLiteral("frmAbout: Label4_Click"), 31, QStringLiteral("'%1': %2").arg(link, reason.english()));
            dialogResponder().warning(
                self.data(), tr("Email"), tr("No mail program could be started: %1.").arg(reason.text()));
        });
    });
    auto* postcard = new QPushButton(tr("Postcard Ware"), this);
    postcard->setObjectName(QStringLiteral("Command2"));
    postcard->setToolTip(tr("Click for information about PostcardWare"));
    connect(postcard, &QPushButton::clicked, this, [this] {
        PostcardWindow window(this);
        window.exec();
    });
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(build, 1, 1);
    layout->addWidget(band, 2, 1);
    layout->addWidget(terms, 3, 0, 1, 2);
    layout->addWidget(label(tr("Email"), this, "Label5"), 4, 0);
    layout->addWidget(contact, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(postcard);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons, 5, 0, 1, 2);
    // As tall as the wrapped terms need at the width the window takes, so that nothing is drawn over them.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_timer, &QTimer::timeout, this, [this] {
        m_scroller.tick();
        placeCredits();
    });
    m_timer->start(100);
    placeCredits();
}

void AboutWindow::placeCredits()
{
    for (int i = 0; i < m_scroller.count(); ++i) {
        QLabel* line = m_credits.at(i);
        line->adjustSize();
        line->move(0, px(m_scroller.top(i)));
        line->setVisible(m_scroller.isVisible(i));
    }
}

PostcardWindow::PostcardWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmPostCard"));
    setWindowTitle(tr("Postcardware"));
    auto* request = label(tr("If you like the application, DLL, or OCX then we would appreciate a")
                              + tr(" Postcard from your city.  Be creative, show us what makes your city")
                              + tr(" unique or interesting"),
                          this,
                          "Label1");
    request->setWordWrap(true);
    auto* picture = label(QString(), this, "Picture1");
    picture->setPixmap(QIcon(QStringLiteral(":/jotlet.svg")).pixmap(64, 64));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(label(tr("<b>Send us a postcard</b>"), this, "Label3"), 0, 1);
    layout->addWidget(label(tr("Postcard Ware -"), this, "Label2"), 1, 1);
    layout->addWidget(request, 2, 0, 1, 2);
    layout->addWidget(label(tr("Send To:"), this, "Label4"), 3, 0, Qt::AlignTop);
    layout->addWidget(label(tr("Quorvel\nPO Box 1234\nSpringfield 12345"), this), 3, 1);
    layout->addWidget(ok, 4, 1, Qt::AlignRight);
    setMinimumWidth(380);
}

} // namespace jotlet
