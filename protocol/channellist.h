// Lists of channel numbers as a person writes and reads them: "0-99,120" in, "3, 7-9, 12" out.
#pragma once

#include <QList>
#include <QString>

// Channel numbers as a person reads them, "3, 7-9, 12": sorted, duplicates dropped, runs joined.
QString compactChannelList(QList<quint16> numbers);

// A list such as "0-99,120,200-205" (spaces allowed around the parts): the channels it names, ascending,
// each once. False with the reason when a part is no number or range, a range runs backwards, or a
// number is not below `count`.
bool parseChannelList(const QString &text, QList<quint16> *numbers, QString *reason, int count = 1000);
