// Run-time language switching: catalogues loaded on the global thread pool.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"

void termial::switchLanguage(int /*index*/)
{
}

void termial::startLanguageLoad(const QString &/*fileName*/)
{
}

void termial::loadingLanguage(QString /*fileName*/)
{
}

