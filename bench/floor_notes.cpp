// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for start-up: a minimal Qt program that shows the given number of frameless QTextEdit
// windows holding a line of rich text, as many as the notes Jotlet is started with.
#include <QApplication>
#include <QTextEdit>

#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1;
    std::vector<std::unique_ptr<QTextEdit>> windows;
    for (int i = 0; i < count; ++i) {
        auto edit = std::make_unique<QTextEdit>(nullptr);
        edit->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        edit->setHtml(QStringLiteral("<p>note %1: call Anna about the <b>trip</b></p>").arg(i));
        edit->setGeometry(20 + (i % 10) * 120, 20 + (i / 10) * 60, 155, 139);
        edit->show();
        windows.push_back(std::move(edit));
    }
    return app.exec();
}
