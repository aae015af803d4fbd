// Run-time language switching: catalogues loaded on the global thread pool, installed on the GUI thread.
#include "termial.h"
#include "ui_termial.h"

#include "accessibility.h"
#include "log.h"
#include "vocabulary.h"
#include "windowmemory.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtConcurrent/QtConcurrentRun>

void termial::switchLanguage(int index)
{
    QCoreApplication::removeTranslator(translator);
    const QList<vocabulary::Language> &languages = vocabulary::languages();
    if (index < 0 || index >= languages.size()) {
        WLOG() << "未知语言选项:" << index;
        startLanguageLoad(QStringLiteral("lang_English.qm"));
        return;
    }
    startLanguageLoad(languages.at(index).catalogue);
}

void termial::startLanguageLoad(const QString &fileName)
{
    // Every load fills a translator of its own, created here so that it belongs to the GUI thread; two
    // loads in flight therefore never share one. The translator is a child of the watcher, so a load that
    // is overtaken by a later one is freed together with its watcher.
    const quint64 request = ++languageRequest;
    auto *watcher = new QFutureWatcher<void>(this);
    auto *loaded = new QTranslator(watcher);
    auto *qtLoaded = new QTranslator(watcher);
    QString locale = QStringLiteral("en");
    for (const vocabulary::Language &language : vocabulary::languages())
        if (language.catalogue == fileName)
            locale = language.qtLocale;
    QFuture<void> future = QtConcurrent::run([this, loaded, qtLoaded, fileName, locale] {
        loadingLanguage(loaded, fileName);
        // Qt's own catalogue speaks for the standard buttons and the file dialog. Qt has none for some
        // of our languages; those stay English.
        if (!qtLoaded->load(QStringLiteral("qtbase_") + locale,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            WLOG() << "没有Qt自带的翻译文件:" << locale;
    });
    connect(watcher, &QFutureWatcher<void>::finished, this,
            [this, watcher, loaded, qtLoaded, locale, request] {
                // Loads may finish in any order; only the one asked for last is installed.
                if (request == languageRequest) {
                    QCoreApplication::removeTranslator(translator);
                    delete translator;
                    loaded->setParent(nullptr);
                    translator = loaded;
                    QCoreApplication::removeTranslator(qtTranslator);
                    delete qtTranslator;
                    qtLoaded->setParent(nullptr);
                    qtTranslator = qtLoaded;
                    QCoreApplication::installTranslator(qtTranslator);
                    QCoreApplication::installTranslator(translator);
                    QGuiApplication::setLayoutDirection(QLocale(locale).textDirection());
                    ui->retranslateUi(this);
                    edits->retranslate();
                    safety->retranslate();
                    memory->retranslate();
                    access->retranslate();
                    if (statusText)
                        ui->status_bar->showMessage(statusText());
                    // retranslateUi writes the idle texts; a link or transfer begun while the load ran keeps
                    // its own.
                    updateControls();
                }
                watcher->deleteLater();
            });
    watcher->setFuture(future);
}

void termial::loadingLanguage(QTranslator *target, QString fileName)
{
    if (!target->load(fileName, QStringLiteral(":/language/")))
        WLOG() << "查找翻译文件失败";
}
