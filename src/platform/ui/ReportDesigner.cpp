#include "platform/ui/ReportDesigner.h"

#include "platform/Prompter.h"
#include "platform/Report.h"
#include "platform/ui/ReportObjectItem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr double TitleMm = 5.0; // the strip above each band naming it
constexpr int BandKey = 0;      // item data: band index of a band item

// One step of the undo stack: the template before and after.
class SnapshotCommand : public QUndoCommand
{
public:
    SnapshotCommand(ReportDesigner* d, const QString& text, ReportTemplate before,
                    ReportTemplate after, QPair<int, int> selBefore, QPair<int, int> selAfter)
        : QUndoCommand(text), d(d), before(std::move(before)), after(std::move(after)),
          selBefore(selBefore), selAfter(selAfter)
    {
    }
    void undo() override { d->showTemplate(before, selBefore); }
    void redo() override { d->showTemplate(after, selAfter); }

private:
    ReportDesigner* d;
    ReportTemplate before, after;
    QPair<int, int> selBefore, selAfter;
};

struct BandLabel
{
    ReportBandType type;
    const char* text;
};
constexpr BandLabel BandLabels[] = {
    {ReportBandType::PageHeader, "页眉"},  {ReportBandType::MasterHeader, "主项头"},
    {ReportBandType::Master, "主项数据"},  {ReportBandType::DetailHeader, "明细头"},
    {ReportBandType::Detail, "明细数据"},  {ReportBandType::PageFooter, "页脚"},
    {ReportBandType::Summary, "报表合计"},
};

QString bandLabel(const ReportBand& b)
{
    for (const auto& l : BandLabels)
        if (l.type == b.type)
            return QString::fromUtf8(l.text) +
                   (b.dataset.isEmpty() ? QString() : QStringLiteral("：") + b.dataset);
    return {};
}

QDoubleSpinBox* mmBox(QWidget* parent, const char* name)
{
    auto* s = new QDoubleSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(0, 1000);
    s->setDecimals(1);
    s->setSuffix(QStringLiteral(" mm"));
    return s;
}
} // namespace

QPointF ReportDesigner::snap(const QPointF& p)
{
    const double g = GridMm * Scale;
    return QPointF(std::round(p.x() / g) * g, std::round(p.y() / g) * g);
}

ReportDesigner::ReportDesigner(Report& report, QWidget* parent)
    : QDialog(parent), m_report(report), m_template(report.layoutTemplate())
{
    setObjectName(QStringLiteral("ReportDesigner"));
    setWindowTitle(QStringLiteral("报表设计 - ") + report.fileName());
    resize(1100, 760);
    m_undo = new QUndoStack(this);

    auto* bar = new QToolBar(this);
    bar->addAction(QStringLiteral("保存"), this, [this] { save(); })
        ->setObjectName(QStringLiteral("actSave"));
    auto* undo = m_undo->createUndoAction(this, QStringLiteral("撤销"));
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = m_undo->createRedoAction(this, QStringLiteral("重做"));
    redo->setShortcut(QKeySequence::Redo);
    bar->addAction(undo);
    bar->addAction(redo);
    bar->addSeparator();
    bar->addAction(QStringLiteral("添加文本"), this, [this] { addObject(ReportObjectKind::Text); });
    bar->addAction(QStringLiteral("添加线条"), this, [this] { addObject(ReportObjectKind::Line); });
    bar->addAction(QStringLiteral("添加矩形"), this, [this] { addObject(ReportObjectKind::Rect); });
    auto* del = bar->addAction(QStringLiteral("删除对象"), this, [this] { deleteSelected(); });
    del->setShortcut(QKeySequence::Delete);
    bar->addSeparator();
    m_bandTypes = new QComboBox(this);
    m_bandTypes->setObjectName(QStringLiteral("cbBandType"));
    for (const auto& l : BandLabels)
        m_bandTypes->addItem(QString::fromUtf8(l.text), int(l.type));
    bar->addWidget(m_bandTypes);
    bar->addAction(QStringLiteral("添加区域"), this,
                   [this] { addBand(ReportBandType(m_bandTypes->currentData().toInt())); });
    bar->addAction(QStringLiteral("删除区域"), this, [this] { deleteBand(m_selectedBand); });
    bar->addSeparator();
    bar->addAction(QStringLiteral("关闭"), this, &QDialog::accept);

    m_scene = new QGraphicsScene(this);
    m_view = new QGraphicsView(m_scene, this);
    m_view->setObjectName(QStringLiteral("gvPage"));
    m_view->setDragMode(QGraphicsView::RubberBandDrag);
    m_view->setBackgroundBrush(QColor(0xe8, 0xe8, 0xe8));
    connect(m_scene, &QGraphicsScene::selectionChanged, this, [this] {
        if (m_rebuildPending)
            return;
        m_selection = {-1, -1};
        for (QGraphicsItem* item : m_scene->selectedItems()) {
            if (auto* o = dynamic_cast<ReportObjectItem*>(item)) {
                m_selection = {o->band(), o->index()};
                m_selectedBand = o->band();
            } else if (item->data(BandKey).isValid()) {
                m_selectedBand = item->data(BandKey).toInt();
            }
        }
        fillProperties();
    });

    auto* panel = new QWidget(this);
    auto* form = new QFormLayout(panel);
    m_name = new QLineEdit(panel);
    m_name->setObjectName(QStringLiteral("edName"));
    m_text = new QLineEdit(panel);
    m_text->setObjectName(QStringLiteral("edText"));
    m_format = new QLineEdit(panel);
    m_format->setObjectName(QStringLiteral("edFormat"));
    m_format->setPlaceholderText(QStringLiteral("0.00 或 yyyy-MM-dd"));
    m_family = new QComboBox(panel);
    m_family->setObjectName(QStringLiteral("cbFontFamily"));
    m_family->setEditable(true);
    m_family->addItems(QFontDatabase::families());
    m_size = new QDoubleSpinBox(panel);
    m_size->setObjectName(QStringLiteral("spFontSize"));
    m_size->setRange(4, 72);
    m_size->setDecimals(1);
    m_bold = new QCheckBox(QStringLiteral("粗体"), panel);
    m_bold->setObjectName(QStringLiteral("cbBold"));
    m_frame = new QCheckBox(QStringLiteral("边框"), panel);
    m_frame->setObjectName(QStringLiteral("cbFrame"));
    m_align = new QComboBox(panel);
    m_align->setObjectName(QStringLiteral("cbAlign"));
    m_align->addItem(QStringLiteral("左对齐"), int(ReportHAlign::Left));
    m_align->addItem(QStringLiteral("居中"), int(ReportHAlign::Center));
    m_align->addItem(QStringLiteral("右对齐"), int(ReportHAlign::Right));
    m_x = mmBox(panel, "spX");
    m_y = mmBox(panel, "spY");
    m_w = mmBox(panel, "spW");
    m_h = mmBox(panel, "spH");
    m_bandHeight = mmBox(panel, "spBandHeight");
    m_bandDataset = new QLineEdit(panel);
    m_bandDataset->setObjectName(QStringLiteral("edBandDataset"));
    auto* apply = new QPushButton(QStringLiteral("应用"), panel);
    apply->setObjectName(QStringLiteral("btnApply"));
    connect(apply, &QPushButton::clicked, this, &ReportDesigner::applyProperties);
    connect(m_text, &QLineEdit::returnPressed, this, &ReportDesigner::applyProperties);
    m_fields = new QComboBox(panel);
    m_fields->setObjectName(QStringLiteral("cbField"));
    for (const QString& ds : report.data().names())
        for (const QString& col : report.data().dataset(ds)->columns())
            m_fields->addItem(QStringLiteral("[%1.%2]").arg(ds, col));
    for (const char* f : {"[Page]", "[Pages]", "[Date]"})
        m_fields->addItem(QString::fromLatin1(f));
    auto* insert = new QPushButton(QStringLiteral("插入字段"), panel);
    insert->setObjectName(QStringLiteral("btnInsertField"));
    connect(insert, &QPushButton::clicked, this, [this] { insertField(m_fields->currentText()); });

    form->addRow(QStringLiteral("名称"), m_name);
    form->addRow(QStringLiteral("文本"), m_text);
    form->addRow(QStringLiteral("显示格式"), m_format);
    form->addRow(QStringLiteral("字体"), m_family);
    form->addRow(QStringLiteral("字号"), m_size);
    form->addRow(m_bold, m_frame);
    form->addRow(QStringLiteral("对齐"), m_align);
    form->addRow(QStringLiteral("左"), m_x);
    form->addRow(QStringLiteral("上"), m_y);
    form->addRow(QStringLiteral("宽"), m_w);
    form->addRow(QStringLiteral("高"), m_h);
    form->addRow(QStringLiteral("区域高度"), m_bandHeight);
    form->addRow(QStringLiteral("区域数据集"), m_bandDataset);
    form->addRow(apply);
    form->addRow(QStringLiteral("字段"), m_fields);
    form->addRow(insert);

    auto* split = new QSplitter(this);
    split->addWidget(m_view);
    split->addWidget(panel);
    split->setStretchFactor(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(split, 1);
    rebuild();
    fillProperties();
}

void ReportDesigner::scheduleRebuild()
{
    if (m_rebuildPending)
        return;
    m_rebuildPending = true;
    // items may be inside their own mouse handler: rebuild once control is back
    QMetaObject::invokeMethod(
        this, [this] { rebuild(); }, Qt::QueuedConnection);
}

void ReportDesigner::rebuild()
{
    m_rebuildPending = true;
    m_scene->clear();
    const double width = m_template.page.width - m_template.page.left - m_template.page.right;
    double y = 0;
    for (int b = 0; b < m_template.bands.size(); ++b) {
        const ReportBand& band = m_template.bands.at(b);
        auto* title = m_scene->addSimpleText(bandLabel(band));
        title->setPos(0, y);
        y += TitleMm * Scale;
        auto* item = m_scene->addRect(0, 0, width * Scale, band.height * Scale,
                                      QPen(QColor(0xa0, 0xa0, 0xa0)), Qt::white);
        item->setPos(0, y);
        item->setData(BandKey, b);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        item->setSelected(m_selection.first < 0 && b == m_selectedBand);
        for (int i = 0; i < band.objects.size(); ++i) {
            const ReportObject& o = band.objects.at(i);
            const QRectF r(o.rect.x() * Scale, o.rect.y() * Scale, o.rect.width() * Scale,
                           o.rect.height() * Scale);
            auto* obj =
                new ReportObjectItem(this, b, i, r, o.text, o.kind == ReportObjectKind::Line, item);
            obj->setSelected(m_selection == qMakePair(b, i));
        }
        y += band.height * Scale + Scale;
    }
    m_scene->setSceneRect(m_scene->itemsBoundingRect().adjusted(-10, -10, 10, 10));
    m_rebuildPending = false;
}

void ReportDesigner::select(int band, int index)
{
    m_selection = {band, index};
    if (band >= 0)
        m_selectedBand = band;
    rebuild();
    fillProperties();
}

bool ReportDesigner::selectByName(const QString& name)
{
    for (int b = 0; b < m_template.bands.size(); ++b)
        for (int i = 0; i < m_template.bands.at(b).objects.size(); ++i)
            if (m_template.bands.at(b).objects.at(i).name == name) {
                select(b, i);
                return true;
            }
    return false;
}

ReportObject* ReportDesigner::selectedObject()
{
    const auto [b, i] = m_selection;
    if (b < 0 || b >= m_template.bands.size() || i < 0 ||
        i >= m_template.bands.at(b).objects.size())
        return nullptr;
    return &m_template.bands[b].objects[i];
}

void ReportDesigner::fillProperties()
{
    m_filling = true;
    const ReportObject* o = selectedObject();
    for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_text, m_format, m_family, m_size,
                                                      m_bold, m_frame, m_align, m_x, m_y, m_w, m_h})
        w->setEnabled(o);
    const ReportObject none;
    const ReportObject& v = o ? *o : none;
    m_name->setText(v.name);
    m_text->setText(v.text);
    m_format->setText(v.format);
    m_family->setCurrentText(v.font.family);
    m_size->setValue(v.font.size);
    m_bold->setChecked(v.font.bold);
    m_frame->setChecked(v.frame == FrameAll);
    m_align->setCurrentIndex(m_align->findData(int(v.align)));
    m_x->setValue(v.rect.x());
    m_y->setValue(v.rect.y());
    m_w->setValue(v.rect.width());
    m_h->setValue(v.rect.height());
    const bool hasBand = m_selectedBand >= 0 && m_selectedBand < m_template.bands.size();
    m_bandHeight->setEnabled(hasBand);
    m_bandDataset->setEnabled(hasBand);
    m_bandHeight->setValue(hasBand ? m_template.bands.at(m_selectedBand).height : 0);
    m_bandDataset->setText(hasBand ? m_template.bands.at(m_selectedBand).dataset : QString());
    m_filling = false;
}

void ReportDesigner::change(const QString& what, const ReportTemplate& after,
                            QPair<int, int> select)
{
    if (after == m_template && select == m_selection)
        return;
    m_undo->push(new SnapshotCommand(this, what, m_template, after, m_selection, select));
}

void ReportDesigner::showTemplate(const ReportTemplate& t, QPair<int, int> select)
{
    m_template = t;
    m_selection = select;
    if (select.first >= 0)
        m_selectedBand = select.first;
    if (m_selectedBand >= m_template.bands.size())
        m_selectedBand = -1;
    scheduleRebuild();
    fillProperties();
}

void ReportDesigner::objectDragged(int band, int index, const QRectF& r)
{
    ReportTemplate t = m_template;
    if (band < 0 || band >= t.bands.size() || index < 0 || index >= t.bands[band].objects.size())
        return;
    t.bands[band].objects[index].rect =
        QRectF(r.x() / Scale, r.y() / Scale, r.width() / Scale, r.height() / Scale);
    change(QStringLiteral("移动对象"), t, {band, index});
}

void ReportDesigner::applyProperties()
{
    if (m_filling)
        return;
    ReportTemplate t = m_template;
    const auto [b, i] = m_selection;
    if (b >= 0 && i >= 0 && b < t.bands.size() && i < t.bands[b].objects.size()) {
        ReportObject& o = t.bands[b].objects[i];
        o.name = m_name->text().trimmed();
        o.text = m_text->text();
        o.format = m_format->text().trimmed();
        if (!m_family->currentText().trimmed().isEmpty())
            o.font.family = m_family->currentText().trimmed();
        o.font.size = m_size->value();
        o.font.bold = m_bold->isChecked();
        if (m_frame->isChecked() != (o.frame == FrameAll))
            o.frame = m_frame->isChecked() ? FrameAll : FrameNone;
        o.align = ReportHAlign(m_align->currentData().toInt());
        o.rect = QRectF(m_x->value(), m_y->value(), m_w->value(), m_h->value());
    }
    if (m_selectedBand >= 0 && m_selectedBand < t.bands.size()) {
        t.bands[m_selectedBand].height = m_bandHeight->value();
        t.bands[m_selectedBand].dataset = m_bandDataset->text().trimmed();
    }
    change(QStringLiteral("修改属性"), t, m_selection);
}

void ReportDesigner::insertField(const QString& field)
{
    ReportTemplate t = m_template;
    const auto [b, i] = m_selection;
    if (b >= 0 && i >= 0 && t.bands[b].objects[i].kind == ReportObjectKind::Text) {
        t.bands[b].objects[i].text += field;
        change(QStringLiteral("插入字段"), t, m_selection);
        return;
    }
    int band = m_selectedBand;
    if (band < 0 || band >= t.bands.size())
        return;
    ReportObject o;
    o.rect = QRectF(0, 0, 40, qMin(6.0, t.bands[band].height));
    o.text = field;
    t.bands[band].objects << o;
    change(QStringLiteral("插入字段"), t, {band, int(t.bands[band].objects.size()) - 1});
}

void ReportDesigner::addObject(ReportObjectKind kind)
{
    const int band = m_selectedBand;
    if (band < 0 || band >= m_template.bands.size())
        return;
    ReportTemplate t = m_template;
    ReportObject o;
    o.kind = kind;
    const double h = t.bands[band].height;
    o.rect =
        kind == ReportObjectKind::Line ? QRectF(0, h / 2, 40, 0) : QRectF(0, 0, 40, qMin(6.0, h));
    if (kind == ReportObjectKind::Text)
        o.text = QStringLiteral("文本");
    t.bands[band].objects << o;
    change(QStringLiteral("添加对象"), t, {band, int(t.bands[band].objects.size()) - 1});
}

void ReportDesigner::deleteSelected()
{
    const auto [b, i] = m_selection;
    if (!selectedObject())
        return;
    ReportTemplate t = m_template;
    t.bands[b].objects.removeAt(i);
    change(QStringLiteral("删除对象"), t, {-1, -1});
}

void ReportDesigner::addBand(ReportBandType type)
{
    ReportTemplate t = m_template;
    ReportBand band;
    band.type = type;
    // bands keep the order in which they print
    int at = 0;
    while (at < t.bands.size() && int(t.bands.at(at).type) <= int(type))
        ++at;
    t.bands.insert(at, band);
    m_selectedBand = at;
    change(QStringLiteral("添加区域"), t, {-1, -1});
}

void ReportDesigner::deleteBand(int band)
{
    if (band < 0 || band >= m_template.bands.size())
        return;
    ReportTemplate t = m_template;
    t.bands.removeAt(band);
    m_selectedBand = -1;
    change(QStringLiteral("删除区域"), t, {-1, -1});
}

bool ReportDesigner::save()
{
    QString file = m_report.fileName();
    if (file.isEmpty()) {
        const auto chosen = Prompter::instance().saveFileName(QStringLiteral("保存报表模板"),
                                                              QStringLiteral("报表.rmf"),
                                                              QStringLiteral("报表模板 (*.rmf)"));
        if (!chosen)
            return false;
        file = *chosen;
    }
    const ReportTemplate before = m_report.layoutTemplate();
    m_report.setTemplate(m_template);
    QString why;
    if (!m_report.saveToFile(file, &why)) {
        m_report.setTemplate(before);
        ShowErrorBox(why, QStringLiteral("错误信息"));
        return false;
    }
    m_undo->setClean();
    return true;
}
