#pragma once

// Stands in for the desktop's URL handlers: registered with QDesktopServices::setUrlHandler,
// it records every address the program hands over instead of opening it.
#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
