// Name and frequency editors: line edits whose validators refuse what the radio could not keep.
#include "texteditdelegates.h"

#include "vocabulary.h"

#include <QLineEdit>
#include <QValidator>

namespace
{

class NameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int & /*pos*/) const override
    {
        return input.toUtf8().size() <= vocabulary::nameBytes ? Acceptable : Invalid;
    }
    // A longer name already in the cell (twelve letters read from a radio) is cut when committed.
    void fixup(QString &input) const override { input = vocabulary::fitName(input); }
};

class FrequencyValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int & /*pos*/) const override
    {
        switch (vocabulary::parseFrequency(input)) {
        case vocabulary::FrequencyText::Empty:
        case vocabulary::FrequencyText::Valid:
            return Acceptable;
        case vocabulary::FrequencyText::Partial:
            return Intermediate;
        case vocabulary::FrequencyText::Invalid:
            break;
        }
        return Invalid;
    }
};

QLineEdit *lineEditor(QWidget *parent, QValidator *validator)
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    validator->setParent(editor);
    editor->setValidator(validator);
    return editor;
}

} // namespace

NameDelegate::NameDelegate(QObject *parent) : CellDelegate(parent) {}

QWidget *NameDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem & /*option*/,
                                    const QModelIndex & /*index*/) const
{
    return lineEditor(parent, new NameValidator);
}

void NameDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        model->setData(index, vocabulary::fitName(edit->text()));
}

FrequencyDelegate::FrequencyDelegate(QObject *parent) : CellDelegate(parent) {}

QWidget *FrequencyDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem & /*option*/,
                                         const QModelIndex & /*index*/) const
{
    return lineEditor(parent, new FrequencyValidator);
}

void FrequencyDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(index.data(Qt::EditRole).toString());
}

// The view commits only acceptable text (Return and leaving the cell both check the validator), so an
// empty text clears the cell and anything else is a frequency.
void FrequencyDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return;
    quint32 hertz = 0;
    switch (vocabulary::parseFrequency(edit->text(), &hertz)) {
    case vocabulary::FrequencyText::Empty:
        model->setData(index, QVariant());
        break;
    case vocabulary::FrequencyText::Valid:
        model->setData(index, uint(hertz));
        break;
    default:
        break;
    }
}
