#include "ui/search_dialog/Form4.h"

#include "model/files/WholeFile.h"
#include "model/holdings/HoldingsCsv.h"
#include "ui/Message.h"
#include "ui/SaveFileChooser.h"
#include "ui/search_dialog/HoldingsSource.h"
#include "ui/search_dialog/HoldingsTableModel.h"
#include "ui/search_dialog/TotalsTableModel.h"
#include "ui/WindowPlacement.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace morvane {
namespace {

template <typename Widget>
Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* made = named(new QPushButton(caption, parent), name);
    made->setAutoDefault(false);
    made->setDefault(false);
    return made;
}

// Rows of one line each, as high as the font needs: a table of every stored
// line then lays out no row on its own. Tab leaves the table instead of
// moving through its cells, so that it keeps the window's reading order.
QTableView* table(QWidget* parent, const QString& name, QAbstractItemModel* model,
                  std::initializer_list<std::pair<int, QString>> columnWidths, int stretchedColumn)
{
    auto* view = named(new QTableView(parent), name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    QHeaderView* header = view->horizontalHeader();
    header->setHighlightSections(false);
    // Wide enough for the widest of the header and a sample of what the column holds.
    for (const auto& [column, sample] : columnWidths) {
        const QString caption = model->headerData(column, Qt::Horizontal).toString();
        header->resizeSection(column, std::max(header->fontMetrics().horizontalAdvance(caption),
                                               view->fontMetrics().horizontalAdvance(sample)) + 24);
    }
    header->setSectionResizeMode(stretchedColumn, QHeaderView::Stretch);
    return view;
}

// The default file: 所持品-YYYYMMDD.csv in the player's documents folder.
QString suggestedCsvPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("所持品-%1.csv").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
}

} // namespace

Form4::Form4(HoldingsSource& source, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_source(source)
    , m_rows(new HoldingsTableModel(this))
    , m_totals(new TotalsTableModel(this))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("所持品検索"));
    buildWindow();
    describeControls();
    setUpKeyboard();
    connect(m_command1, &QPushButton::clicked, this, &Form4::onCommand1Clicked);
    connect(m_check1, &QCheckBox::toggled, this, &Form4::onCheck1Toggled);
    connect(m_command2, &QPushButton::clicked, this, &Form4::onCommand2Clicked);
    connect(m_command3, &QPushButton::clicked, this, &Form4::onCommand3Clicked);
}

void Form4::buildWindow()
{
    m_text1 = named(new QLineEdit(this), QStringLiteral("Text1"));
    m_text1->setPlaceholderText(QStringLiteral("アイテム名（? * # [ ] が使えます）"));
    m_command1 = button(this, QStringLiteral("Command1"), QStringLiteral("検索"));
    m_check1 = named(new QCheckBox(QStringLiteral("かな・全角/半角を区別しない"), this), QStringLiteral("Check1"));
    m_check1->setChecked(true);

    m_frame1 = named(new QGroupBox(QStringLiteral("見つかった行"), this), QStringLiteral("Frame1"));
    m_grid1 = table(m_frame1, QStringLiteral("Grid1"), m_rows,
                    {{int(HoldingsColumn::Character), QStringLiteral("キャラクター")},
                     {int(HoldingsColumn::Place), QStringLiteral("モグ金庫")},
                     {int(HoldingsColumn::Count), QStringLiteral("999999")}},
                    int(HoldingsColumn::Item));
    // Unsorted at first: the rows in the order found, character by character.
    m_grid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid1->setSortingEnabled(true);
    (new QVBoxLayout(m_frame1))->addWidget(m_grid1);

    m_frame2 = named(new QGroupBox(QStringLiteral("アイテムごとの合計"), this), QStringLiteral("Frame2"));
    m_grid2 = table(m_frame2, QStringLiteral("Grid2"), m_totals,
                    {{int(TotalsColumn::Count), QStringLiteral("99999")},
                     {int(TotalsColumn::CharacterCount), QStringLiteral("99")},
                     {int(TotalsColumn::Characters), QStringLiteral("キャラクター、キャラ")}},
                    int(TotalsColumn::Item));
    m_grid2->horizontalHeader()->setSortIndicator(int(TotalsColumn::Item), Qt::AscendingOrder);
    m_grid2->setSortingEnabled(true);
    (new QVBoxLayout(m_frame2))->addWidget(m_grid2);

    m_label1 = named(new QLabel(this), QStringLiteral("Label1"));
    m_label1->setTextFormat(Qt::PlainText);
    m_command2 = button(this, QStringLiteral("Command2"), QStringLiteral("CSVに書き出す"));
    m_command2->setEnabled(false);
    m_command3 = button(this, QStringLiteral("Command3"), QStringLiteral("閉じる"));

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_text1, 1);
    searchRow->addWidget(m_command1);
    searchRow->addSpacing(8);
    searchRow->addWidget(m_check1);

    auto* tables = new QHBoxLayout;
    tables->addWidget(m_frame1, 11);
    tables->addWidget(m_frame2, 10);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(m_label1, 1);
    bottomRow->addWidget(m_command2);
    bottomRow->addWidget(m_command3);

    auto* window = new QVBoxLayout(this);
    window->addLayout(searchRow);
    window->addLayout(tables, 1);
    window->addLayout(bottomRow);

    resize(980, 580);
}

void Form4::describeControls()
{
    const auto describe = [](QWidget* control, const QString& name, const QString& hint) {
        if (!name.isEmpty())
            control->setAccessibleName(name);
        control->setAccessibleDescription(hint);
        control->setToolTip(hint);
    };
    describe(m_text1, QStringLiteral("検索するアイテム名"),
             QStringLiteral("全キャラクターのモグ金庫・かばんから探すアイテム名。? は任意の1文字、* は任意の文字列、"
                            "# は数字1つ、[a-z] は範囲内の1文字、[!…] は […] にない1文字。Enter で検索"));
    describe(m_command1, {}, QStringLiteral("全キャラクターのモグ金庫・かばんを検索（検索欄で Enter）"));
    describe(m_check1, {}, QStringLiteral("ひらがなとカタカナ、全角と半角の英数字・カタカナを同じ文字として探す"));
    describe(m_grid1, QStringLiteral("見つかった行"),
             QStringLiteral("見つかった行：キャラクター、場所、アイテム、個数。見出しを押すと並べ替え"));
    describe(m_grid2, QStringLiteral("アイテムごとの合計"),
             QStringLiteral("アイテムごとの個数の合計と、持っているキャラクター。見出しを押すと並べ替え"));
    // The status line's text is its name, so a screen reader reads the counts.
    describe(m_label1, {}, QStringLiteral("見つかった行の数、個数の合計、キャラクターの数"));
    describe(m_command2, {}, QStringLiteral("表示している行を表計算ソフトで開けるCSVファイルに書き出す"));
    describe(m_command3, {}, QStringLiteral("この画面を閉じる（検索結果は次に開いたときも残ります）"));
}

void Form4::setUpKeyboard()
{
    // Reading order: the search row, the two tables, then the bottom row.
    QWidget* const order[] = {m_text1, m_command1, m_check1, m_grid1, m_grid2, m_command2, m_command3};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
    connect(m_text1, &QLineEdit::returnPressed, m_command1, &QPushButton::click);
}

void Form4::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Ready for the next search, the last one's text selected.
    m_text1->setFocus();
    m_text1->selectAll();
}

void Form4::onCommand1Clicked()
{
    const auto matching = m_check1->isChecked() ? WildcardPattern::Matching::IgnoreKanaWidth
                                                : WildcardPattern::Matching::Exact;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_holdings = std::make_shared<const Holdings>(searchHoldings(m_source.holdingsScope(), m_text1->text(), matching));
    m_rows->setHoldings(m_holdings);
    m_totals->setHoldings(m_holdings);
    QGuiApplication::restoreOverrideCursor();
    m_label1->setText(m_holdings->summary());
    m_command2->setEnabled(m_holdings->rowCount() > 0);
}

void Form4::onCheck1Toggled()
{
    // The rows shown always follow the box.
    if (m_holdings)
        onCommand1Clicked();
}

void Form4::onCommand2Clicked()
{
    if (!m_holdings)
        return;
    const QString path = chooseSaveFile(this, QStringLiteral("CSVに書き出す"), suggestedCsvPath(),
                                        QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    const FileResult written = writeWholeFile(path, holdingsCsv(*m_holdings, m_rows->shownRows()));
    if (!written.ok()) {
        showMessage(this, QStringLiteral("CSVファイルを書き出せませんでした。\n") + written.message());
        return;
    }
    m_label1->setText(m_holdings->summary() + QStringLiteral("　CSVに書き出しました：") + QFileInfo(path).fileName());
}

void Form4::onCommand3Clicked()
{
    hideToOwner(this);
}

} // namespace morvane
