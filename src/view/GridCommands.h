#pragma once

#include <QObject>
#include <QPixmap>
#include <QSet>

class QModelIndex;
class QPainter;
class QStyleOptionViewItem;
class Workspace;

// The main window's side of the data grid: check-mark pictures in the
// boolean columns, sorting by a title, and the buttons that jump to the
// first and the last record.
class GridCommands : public QObject
{
    Q_OBJECT
public:
    // Connects itself to the Workspace's grid and database.
    explicit GridCommands(Workspace &workspace);

    // "True.bmp" and "False.bmp" of the Images folder (a start-up step).
    void LoadCheckPictures(const QString &imagesFolder);
    const QPixmap &checkedPicture() const { return m_checked; }
    const QPixmap &uncheckedPicture() const { return m_unchecked; }

    void DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index);
    void DBGrid1TitleClick(int column);
    void ResetTitleFonts();
    void FirstButtonClick();
    void LastButtonClick();

private:
    void findBooleanFields();

    Workspace &m_ws;
    QPixmap m_checked;
    QPixmap m_unchecked;
    // Fields the definition file calls "ftBoolean": their cells show the pictures.
    QSet<QString> m_booleanFields;
};
