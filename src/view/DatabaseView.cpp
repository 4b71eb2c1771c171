#include "view/DatabaseView.h"

#include "catalogue/FieldDefinitions.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "util/TextCase.h"
#include "view/TableModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>

DatabaseView::DatabaseView(MainDatabase &database, Widgets widgets, QObject *parent)
    : QObject(parent), m_database(database), m_w(widgets), m_model(new TableModel(this))
{
    if (m_w.grid)
        m_w.grid->setModel(m_model);
    connect(&m_database, &MainDatabase::tableChanged, m_model, &TableModel::setTable);
    connect(&m_database, &MainDatabase::saveLayoutRequested, this, &DatabaseView::SaveGridLayout);
    connect(&m_database, &MainDatabase::presetsLoaded, this, &DatabaseView::fillPresetBox);
    connect(&m_database, &MainDatabase::recordCountChanged, this, &DatabaseView::ShowRecordCount);
    connect(&m_database, &MainDatabase::databaseOpened, this, [this](const QString &layout) {
        if (m_w.grid)
            m_w.grid->setFocus();
        LoadGridLayout(layout);
        showDatabaseName();
    });
    m_model->setTable(m_database.table());
}

DatabaseView::~DatabaseView()
{
    m_model->setTable(nullptr);
}

void DatabaseView::ShowRecordCount(int count)
{
    if (m_w.statusPanel)
        m_w.statusPanel->setText(QString::number(count) + QStringLiteral(" Datensätze"));
}

void DatabaseView::showDatabaseName()
{
    if (m_w.databaseLabel)
        m_w.databaseLabel->setText(QStringLiteral("Geöffnete Datenbank: ") +
                                   m_database.displayName());
}

void DatabaseView::fillPresetBox(const QStringList &presetLines)
{
    if (!m_w.presetBox)
        return;
    const QSignalBlocker block(m_w.presetBox); // filling applies no filter
    m_w.presetBox->clear();
    m_w.presetBox->addItems(PresetCaptions(presetLines));
    m_w.presetBox->setCurrentIndex(m_w.presetBox->count() > 0 ? 0 : -1);
}

QList<GridColumn> DatabaseView::columns() const
{
    QList<GridColumn> columns;
    const Table *table = m_database.table();
    if (!m_w.grid || !table)
        return columns;
    const QHeaderView *header = m_w.grid->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        GridColumn c;
        c.field = table->fieldDefs().value(logical).name;
        c.title = m_model->title(logical);
        c.visible = !header->isSectionHidden(logical);
        c.width = c.visible ? header->sectionSize(logical) : m_w.grid->columnWidth(logical);
        columns << c;
    }
    return columns;
}

void DatabaseView::SaveGridLayout(const QString &path)
{
    if (!m_w.grid || !m_database.table() || m_model->columnCount() == 0)
        return;
    WriteGridLayout(path, columns());
}

void DatabaseView::LoadGridLayout(const QString &path)
{
    if (!m_w.grid)
        return;
    QHeaderView *header = m_w.grid->horizontalHeader();
    // Default columns: one per field in table order, titled by field name.
    m_model->resetTitles();
    for (int i = 0; i < m_model->columnCount(); ++i) {
        header->moveSection(header->visualIndex(i), i);
        header->setSectionHidden(i, false);
        header->resizeSection(i, header->defaultSectionSize());
    }
    QList<GridColumn> columns;
    const Table *table = m_database.table();
    if (table && ReadGridLayout(path, &columns)) {
        int visual = 0;
        for (const GridColumn &c : std::as_const(columns)) {
            const int logical = table->fieldIndex(c.field);
            if (logical < 0)
                continue;
            header->moveSection(header->visualIndex(logical), visual++);
            if (c.width > 0)
                header->resizeSection(logical, c.width);
            header->setSectionHidden(logical, !c.visible);
            if (!c.title.isEmpty())
                m_model->setTitle(logical, c.title);
        }
    }
    ApplyDisplayNames();
}

void DatabaseView::ApplyDisplayNames()
{
    const QStringList &defs = m_database.fieldDefinitionLines();
    if (!UsesDisplayNames(defs))
        return;
    for (int i = 1; i < defs.size(); ++i) {
        const FieldDefinitionLine d = FieldDefinitionLine::parse(defs.at(i));
        if (d.name.isEmpty())
            continue;
        const QString upper = AsciiUpper(d.name);
        for (int c = 0; c < m_model->columnCount(); ++c)
            if (AsciiUpper(m_model->title(c)) == upper)
                m_model->setTitle(c, d.shownName());
    }
}
