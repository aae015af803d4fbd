// The main window: owns the form, the channel table, the serial link, the transfer engine and the languages.
#pragma once

#include "channel.h"
#include "dmr.h"
#include "safetynet.h"
#include "tableedits.h"
#include "transferengine.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QModelIndex>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>

class QAction;
class Accessibility;
class WindowMemory;
class QJsonObject;
struct ChannelFileRecords;
class QStandardItem;
class QStandardItemModel;
class QUndoStack;
class QTimer;
class QTranslator;
class CellDelegate;
class CheckBoxDelegate;
class FrequencyDelegate;
class NameDelegate;
class ComboBoxDelegate;
class SpinBoxDelegate;

namespace Ui
{
class termial;
}

// Member functions are defined with their subsystem: app/termial.cpp (construction, wiring),
// app/termial_link.cpp, app/termial_transfer.cpp, app/termial_marks.cpp, app/termial_files.cpp,
// app/termial_language.cpp, table/termial_table.cpp, table/termial_convert.cpp, table/termial_edit.cpp.
class termial : public QWidget
{
    Q_OBJECT

public:
    explicit termial(QWidget *parent = nullptr);
    ~termial() override;

    // Serial link: a device path named on the command line, listed before the system's ports.
    void addPortPath(const QString &path);
    void fillPortList();
    void fitPortBox();

    // Channel table.
    void initTableView();
    void initTableModel();
    void setAllCheckState(bool checked);
    void setNumCheckedState(int count);

    // Rows and records.
    channel rowToChannel(int row);
    DMR rowToDmr(int row);
    void checkedChannels(QList<channel> *list);
    void checkedDmrs(QList<DMR> *list);
    void viewUpdate(int row, const channel &record);
    void viewUpdateDmr(int row, const DMR &record);

    // Reply handlers: the engine's receive path takes replies itself; these hand a decoded reply to it.
    void serialHandleCommand0x40(channel &record) { record.setCommand(0x40), engine->takeAnalogReply(record); }
    void serialHandleCommand0x41(channel &record) { record.setCommand(0x41), engine->takeAnalogReply(record); }
    void serialHandleCommand0x43(DMR &record) { record.setCommand(0x43), engine->takeDmrReply(record); }
    void serialHandleCommand0x44(DMR &record) { record.setCommand(0x44), engine->takeDmrReply(record); }
    // A write or a read under way (a verifying write counts as a write throughout).
    bool isReading() const { return engine->isReading(); }
    bool isSending() const { return engine->isWriting(); }
    TransferEngine *transferEngine() const { return engine; }
    WindowMemory *windowMemory() const { return memory; }
    // A write of these records, as the write button starts one (verify as ticked).
    void startWrite(const QList<channel> &channels, const QList<DMR> &dmrs);
    // Opens a channel file into the table as Open does, the unsaved-edits question included.
    void openFile(const QString &fileName);

    // Channel files.
    QString chooseSaveFileName(QWidget *parent, const QString &filter);
    // Asks for a name (".json" added when it has none) and writes the records; true when written.
    bool saveChannels(const QList<channel> &channels, const QList<DMR> &dmrs);
    // Before rows edited since the last save, open or read are replaced or dropped: asks Save, Discard or
    // Cancel. True when the caller may go on (nothing of them lost, saved, or discarded on purpose).
    bool settleEdits(const QList<int> &rows);
    // Channel files come as JSON or, by their extension, as CHIRP CSV.
    static QString saveFileFilters();
    static QString openFileFilters();

    // The status line says what just happened; a language switch says it again in the new language.
    void showStatus(std::function<QString()> text);

    // Languages.
    void switchLanguage(int index);
    void startLanguageLoad(const QString &fileName);
    // Runs on a pool thread; target is a translator of this load alone, not installed while it runs.
    void loadingLanguage(QTranslator *target, QString fileName);

    // The column-enabling rule for one cell: columns 2 to 8 are always open, DMR columns only in a row
    // whose VFO A or B mode is "DMR" (the DMR tones also need Ch_type empty or "DFM"), squelch keeps
    // what it has in such a row. Texts in pending stand for cells about to be written (a paste).
    bool isEditable(int row, int column, const QHash<int, QString> &pending = {}) const;

    // Undo steps (see TableEdits). A read calls beginRowChange(tr("读取")) before it writes its first row
    // and endRowChange() when it ends, finished or cancelled; Open does the same.
    void beginRowChange(const QString &text) { edits->beginRowChange(text); }
    void endRowChange() { edits->endRowChange(); }
    // The same pair for a scope.
    class RowChangeScope
    {
    public:
        RowChangeScope(termial *window, const QString &text) : window(window)
        {
            window->beginRowChange(text);
        }
        ~RowChangeScope() { window->endRowChange(); }
        RowChangeScope(const RowChangeScope &) = delete;
        RowChangeScope &operator=(const RowChangeScope &) = delete;

    private:
        termial *window;
    };
    QUndoStack *undoStack() const { return edits->undoStack(); }

    // Rows whose data changed since they were last written, read or opened (what "Tick edited rows"
    // ticks). A write calls rowsWritten with the rows the radio acknowledged.
    void rowsWritten(const QList<int> &rows);
    QList<int> changedRowList() const;
    // Rows a person edited that no file or radio holds yet: the title's mark.
    bool hasUnsavedEdits() const { return !editedRows.isEmpty(); }

    // Table edit actions, also the view's context menu.
    void undoEdit() { edits->undo(); }
    void redoEdit() { edits->redo(); }
    void copyCells() { edits->copyCells(); }
    void cutCells() { edits->cutCells(); }
    void pasteCells() { edits->pasteCells(); }
    void deleteCells() { edits->deleteCells(); }
    void clearRows() { edits->clearRows(); }
    void tickChangedRows();
    void findRow() { edits->findRow(); }
    void findNextRow() { edits->findNextRow(); }

    // Read access for tests and the benchmark program.
    QStandardItemModel *tableModel() const { return model; }
    Ui::termial *form() const { return ui; }

public slots:
    void serialportComboBox_currentIndexChanged(int index);
    void serialportLinkBtn_clicked();
    void readBtn_clicked();
    void sendBtn_clicked();
    void checkAllBtn_clicked();
    void saveBtn_clicked();
    void openBtn_clicked();
    void channelNumLineEdit_returnPressed();
    void checkAllNotBtn_clicked();
    void serialportFlashBtn_clicked();
    void tabWidgetSwitch(int index);
    // The receive path and the command timers are the engine's; these stand for them.
    void currentSerialport_readyRead() { engine->receive(); }
    void onTimeout0x40() { engine->timeout(0x40); }
    void onTimeout0x41() { engine->timeout(0x41); }
    void onTimeout0x43() { engine->timeout(0x43); }
    void onTimeout0x44() { engine->timeout(0x44); }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void noteEdits(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);
    void send_clicked();
    void read_clicked();
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);

public:
    // Serial link: the port as a connect configured it (read access for tests).
    const QSerialPort &serialport() const { return currentSerialport; }

private:
    // Table edit actions: built once, their texts set again on a language switch.
    void initEditActions();
    void selectRow(int row);

    // Serial link: the toggle's two halves, and a device that vanished while open.
    void openLink();
    void closeLink();
    void lineLost(const QString &reason, const QList<quint16> &notTransferred, bool transferEnded);

public:
    // Channel numbers as the transfer report shows them, "3, 7-9, 12": sorted, duplicates dropped, runs
    // joined.
    static QString compactChannelList(QList<quint16> numbers) { return ::compactChannelList(std::move(numbers)); }

private:
    // Value lists; a code is the position of its text.
    QStringList modeList;
    QStringList yayinList;
    QStringList dmrYayinList;
    QStringList callTypeList;
    QStringList chTypeList;

    Ui::termial *ui;
    // The link, the receive path and the four command queues (0x40, 0x41, 0x43, 0x44 with their
    // records, in-flight record, timer and resends).
    TransferEngine *engine;
    QTranslator *translator;             // the installed catalogue (an empty one until the first load ends)
    QTranslator *qtTranslator = nullptr; // Qt's own catalogue for the same language
    quint64 languageRequest = 0;         // number of the latest load; only its translator gets installed

    QList<QSerialPortInfo> portInfoList;
    QSerialPortInfo currentPortInfo;
    QSerialPort &currentSerialport; // the engine's link
    bool isConnected;
    // Device paths from the command line. They head the port list (with a null entry in
    // portInfoList each) and are opened by path; currentPortPath is set while one is chosen.
    QStringList portPaths;
    QString currentPortPath;
    QString linkPath; // the device the link has open, as the status line names it

    QStandardItemModel *model;

    // Cell editors, owned by the window as their parent.
    CheckBoxDelegate *checkBoxDelegate = nullptr;
    ComboBoxDelegate *modeDelegate = nullptr;
    ComboBoxDelegate *yayinDelegate = nullptr;
    ComboBoxDelegate *dmrYayinDelegate = nullptr;
    ComboBoxDelegate *callTypeDelegate = nullptr;
    SpinBoxDelegate *ccDelegate = nullptr;
    SpinBoxDelegate *slotDelegate = nullptr;
    SpinBoxDelegate *idDelegate = nullptr;
    ComboBoxDelegate *chTypeDelegate = nullptr;
    CellDelegate *cellDelegate = nullptr; // the other columns: greys closed DMR cells
    NameDelegate *nameDelegate = nullptr;
    FrequencyDelegate *frequencyDelegate = nullptr;

    // Rows a person edited since they were last saved, opened or read.
    QSet<int> editedRows;
    // Rows whose data changed since they were last written, read or opened.
    QSet<int> changedRows;

    // Undo steps and the edit actions.
    TableEdits *edits = nullptr;
    SafetyNet *safety = nullptr;
    WindowMemory *memory = nullptr;
    Accessibility *access = nullptr;

    // ---- Transfer bookkeeping, row marks, status bar and the controls' state ----
    // (app/termial_transfer.cpp, app/termial_marks.cpp)
public:
    // Every control's enabled state and text, derived from the link, the transfers and the page.
    void updateControls();

private:
    void initTransferUi();
    void initTransferEngine();
    // Shows how a transfer ended: row marks, progress, status line, the report box, undo step.
    void finishTransfer(const TransferEngine::Report &report);
    static QString failureText(const TransferEngine::Failure &failure);
    void showProgress();
    // Moves the bar by the frames answered since it last moved, and says where the transfer is.
    void showFrames();
    QString permissionHint(const QString &path) const;
    // Row marks on the channel-number cell: a warning colour and a tool tip saying what failed.
    void markRow(quint16 number, const QString &why);
    void clearMark(quint16 number);
    void rowEdited(QStandardItem *item);

    std::function<QString()> statusText;
    int framesToShow = 0;           // answered, not yet on the bar
    QTimer *progressPace = nullptr; // paces the bar while a screen reader listens
    bool checkingAll = false;
    int currentTab = 0;
};
