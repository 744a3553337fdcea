#include "b_sindan.h"

#include "csv.h"

#include <cmath>

namespace mirte {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Note lines of the advice are indented by seven ideographic spaces, their continuation
// lines by eleven, so that they stand under the first line's text.
QString note(const QString &line)
{
    return kCrLf + QString(7, QChar(0x3000)) + line;
}

QString more(const QString &line)
{
    return kCrLf + QString(11, QChar(0x3000)) + line;
}

// Two rates this close are the same rate: a sum of four meal shares must not turn an exact
// threshold into a finding.
bool below(double a, double b)
{
    return a < b - 1e-9 * std::max(1.0, std::abs(b));
}

QString cellText(double v)
{
    return QString::number(v, 'g', 15);
}

} // namespace

double Sessyu_Ritu(double intake, double reference)
{
    if (reference == 0)
        return kRituNashi;
    return 100.0 * intake / reference;
}

QVariant GraphHyou::cell(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= cells())
        return {};
    if (row == 0)
        return col == 0 ? QVariant(QString()) : QVariant(names[col - 1]);
    if (col == 0)
        return labels[row - 1];
    return values[row - 1][col - 1];
}

QString GraphHyou::text() const
{
    QString out;
    for (int r = 0; r < rows(); ++r) {
        for (int c = 0; c < cells(); ++c) {
            const QVariant v = cell(r, c);
            out += (v.typeId() == QMetaType::Double ? cellText(v.toDouble()) : v.toString());
            out += QLatin1Char('\t');
        }
        out += kCrLf;
    }
    return out;
}

QStringList Syokuji_Ryaku()
{
    return {QStringLiteral("朝"), QStringLiteral("昼"), QStringLiteral("夕"), QStringLiteral("他")};
}

double SindanKekka::dayRitu(int i) const
{
    const GraphHyou &g = i < kGraph2First ? gr1 : gr2;
    const int p = i < kGraph2First ? i - kGraph1First : i - kGraph2First;
    double sum = 0;
    for (const auto &row : g.values)
        sum += row.value(p);
    return sum;
}

namespace {

GraphHyou mealGraph(const SessyuryouHyou &day, const SyoyouryouHyou &std, int first, int count,
                    bool &mokuhyou)
{
    GraphHyou g;
    g.labels = Syokuji_Ryaku();
    for (int p = 0; p < count; ++p)
        g.names << G_Eiyou_Mei.value(first + p);
    for (int m = 1; m <= 4; ++m) {
        QList<double> row;
        for (int p = 0; p < count; ++p) {
            const SyoyouryouEntry &e = std[first + p];
            const double ref = e.Mokuhyou_Flg ? e.Mokuhyou : e.Syoyouryou;
            if (e.Mokuhyou_Flg)
                mokuhyou = true;
            row << Sessyu_Ritu(day.Ryou[m][first + p], ref);
        }
        g.values << row;
    }
    return g;
}

} // namespace

SindanKekka Sindan_Keisan(const SessyuryouHyou &day, const SyoyouryouHyou &std)
{
    SindanKekka k;
    k.gr1 = mealGraph(day, std, kGraph1First, kGraph1Count, k.mokuhyouUsed);
    k.gr2 = mealGraph(day, std, kGraph2First, kGraph2Count, k.mokuhyouUsed);
    return k;
}

// ---- advice texts ----

QString Fusoku_Text(int i)
{
    switch (i) {
    case 0:
        return QStringLiteral("栄養不足")
               + note(QStringLiteral("（参考）病気など理由が無い限りバランス良くエネルギーをとること。ダイエットは、運動で。"));
    case 1:
        return QStringLiteral("生命にとって必須の物質。免疫やストレス抵抗性などに役立つ栄養素。")
               + note(QStringLiteral("（参考）高齢者の疾病予防に対し特に重要。"))
               + note(QStringLiteral("（多い食品）豆類、魚介類、卵類、牛乳など。"));
    case 2:
        return QStringLiteral("体にとって有用な栄養素のひとつ。また、カロチンの吸収を効率化する栄養素。")
               + note(QStringLiteral("（多い食品）油脂類、バター、マーガリン、マヨネーズなど。"));
    case 3:
        return QStringLiteral("十分に成長しない、骨・歯が弱くなる、神経過敏となる。")
               + note(QStringLiteral("（参考）ビタミンＤが不足すると、吸収、利用効率が低下する。"))
               + more(QStringLiteral("乳、乳製品に含まれるカルシウムは利用率が高く、その他の２倍である。"))
               + note(QStringLiteral("（多い食品）エビ、煮干し、ハゼ、イワシなどの小魚、ひじき、チーズ、胡麻など。"));
    case 4:
        return QStringLiteral("貧血、疲れやすく怒りっぽくなる。乳児では、発育の遅れ。")
               + note(QStringLiteral("（多い食品）のり（つくだ煮、干し海苔）、ひじき、キクラゲ、タイム、セイジ、緑茶、烏龍茶など。"));
    case 5:
        return QStringLiteral("成長がとまる、夜盲症、眼乾燥症、角膜乾燥症、皮膚や粘膜の上皮の角化")
               + note(QStringLiteral("（多い食品）やつめうなぎ、レバー、抹茶、あゆ、ウナギ、のりなど。"));
    case 6:
        return QStringLiteral("便秘、脚気、多発性神経炎、浮腫、心肥大、食欲減退、全身怠惰、知覚障害")
               + note(QStringLiteral("（参考）調理による損失が大きく、実際には、成分表の計算した値の５０～７０％ぐらいしか摂取されない。"))
               + more(QStringLiteral("糖質の代謝にも必要。"))
               + note(QStringLiteral("（多い食品）米ぬか、小麦、大麦、ブタ肉、大豆など。"));
    case 7:
        return QStringLiteral("成長停止、口唇炎、口角炎、角膜炎、羞明")
               + note(QStringLiteral("（参考）癌・循環器疾患・糖尿病・高脂血症とＢ２欠乏との関連の報告もある。"))
               + note(QStringLiteral("（多い食品）やつめうなぎ、レバー、のり、パプリカ、干ししいたけなど。"));
    case 8:
        return QStringLiteral("貧血、成長不良、壊血病、皮下出血、骨形成不全、歯肉色素沈着症、アルカリ性フォスファターゼ活性の低下他多岐にわたる")
               + note(QStringLiteral("（参考）水に溶けやすいため、煮汁も一緒にとると良い。"))
               + more(QStringLiteral("運動、労働、病気などによるストレスのある人、特にヘビースモーカーは、所要量の２倍程度必要。"))
               + note(QStringLiteral("（多い食品）アセロラ、グァバ、甘柿、ピーマン、めキャベツ、ミカンなど。"));
    case 9:
        return QStringLiteral("小児では、クル病。成人では、骨軟化症、骨粗鬆症。カルシウムの吸収・維持。")
               + note(QStringLiteral("（多い食品）キクラゲ、かわはぎ、アンコウ肝、さけ、べにざけ、イクラ、にしん、めかじきなど。"));
    case 10:
        return QStringLiteral("不妊流産、胎児吸収、歩行失調、腱反射消失、位置感覚障害")
               + note(QStringLiteral("（参考）ビタミンＡやカロチンや不飽和脂肪酸の酸化を防ぐため、糖尿病・動脈硬化・白内障・アルツハイマー病などの生活習慣病や老化と密接に関連。"))
               + note(QStringLiteral("（多い食品）緑茶、マーガリン、植物油、アーモンドなど。"));
    case 11:
        return QStringLiteral("口舌炎、胃腸病、皮膚炎、神経症状、ペラグラ")
               + note(QStringLiteral("（多い食品）かつお、かつお節、さば、さわら、ぶり、イワシ、レバー、干ししいたけ、落花生など。"));
    case 12:
        return QStringLiteral("長期に及ぶ欠乏の場合は、食欲の減り、倦怠、精神不安。急速な欠乏の場合は、倦怠、無欲、めまい、失神など。")
               + note(QStringLiteral("（多い食品）コンソメ、風味調味料、みそ、梅干し、漬物、塩辛などの塩漬け、たらなど。"));
    case 13:
        return QStringLiteral("高血圧、動脈硬化、便秘、大腸がんなどの危険因子")
               + note(QStringLiteral("（多い食品）寒天、のり、ひじき、かんぴょう、藻類、豆類、野菜類、きのこ類、種実類、果実類など。"));
    case 14:
        return QStringLiteral("ビタミンＫ欠乏症")
               + note(QStringLiteral("（参考）血液の凝固や骨の形成を促進する。"))
               + note(QStringLiteral("（多い食品）緑黄色野菜、植物油、肉類。"));
    case 15:
        return QStringLiteral("皮膚炎、貧血、けいれん")
               + note(QStringLiteral("（参考）健康の維持に必要（血漿中のＰＬＰ濃度を維持する）。"))
               + note(QStringLiteral("（多い食品）酵母、肝、肉類、魚介類、卵、牛乳、豆類"));
    case 16:
        return QStringLiteral("正常な造血作用に必要。成長、妊娠の維持。巨赤芽球性貧血。")
               + note(QStringLiteral("（参考）ＤＮＡ、ＲＮＡ合成・分解系やたんぱく合成・細胞分化に影響。"))
               + note(QStringLiteral("（多い食品）酵母、肝、肉類、胚芽、卵黄、牛乳、豆類"));
    case 17:
        return QStringLiteral("巨赤芽球性貧血")
               + note(QStringLiteral("（参考）骨髄における細胞分化、中枢神経の維持、脂肪代謝に重要。"))
               + note(QStringLiteral("（多い食品）肝、肉類、魚介類、チーズ、卵、貝"));
    case 18:
        return QStringLiteral("アセチルコリンやコレステロール性ホルモン生成能力の低下。")
               + note(QStringLiteral("（参考）酸、熱、アルカリに不安定。"))
               + note(QStringLiteral("（多い食品）酵母、胚芽、肉、魚介類、牛乳、豆。"));
    case 19:
        return QStringLiteral("歯や骨が弱くなる。")
               + note(QStringLiteral("（参考）カルシウムやマグネシウムと結合し骨格などの硬組織を形成。"))
               + more(QStringLiteral("ビタミンＤが不足すると吸収率が下がる。"))
               + note(QStringLiteral("（多い食品）卵黄、肉類、魚介類、胚芽"));
    case 20:
        return QStringLiteral("充血し心悸亢進を起こす、神経が興奮しやすくなる。")
               + note(QStringLiteral("（多い食品）肉類、魚介類、バナナ、ほうれん草、香辛料"));
    case 21:
        return QStringLiteral("エネルギー代謝、細胞膜輸送、細胞内電位差の維持（神経伝達、筋伸縮、腺組織の外分泌、ホルモンの内分泌などに重要）に必要")
               + note(QStringLiteral("（参考）煮ることにより３０％程度損失する。煮汁を利用できるように工夫すると良い。"))
               + note(QStringLiteral("（多い食品）すいか、柿"));
    case 22:
        return QStringLiteral("貧血、白血球減少、骨折、骨異常、成長障害、毛髪色素の脱失、易感染症")
               + note(QStringLiteral("（参考）防御機構、鉄輸送、コレステロールや糖代謝、心筋収縮、脳の発育に必要。"))
               + note(QStringLiteral("（多い食品）肝臓（牛）"));
    case 23:
        return QStringLiteral("骨代謝、糖脂質代謝、血液凝固能、皮膚などの代謝に影響する。")
               + note(QStringLiteral("（多い食品）肉類、豆類、酵母"));
    case 24:
        return QStringLiteral("成長障害、食欲不振、皮疹、味覚障害、うつ病、免疫低下、生殖能力異常。")
               + note(QStringLiteral("（多い食品）魚介類、肉類、玄米、牛乳、豆、木の実"));
    default:
        return {};
    }
}

QString Kajou_Text(int i)
{
    switch (i) {
    case 0:
        return QStringLiteral("虚血性心疾患、糖尿病、高脂血症、高血圧、肥満などの成人病");
    case 2:
        return QStringLiteral("肥満、動脈硬化、乳癌、大腸癌、成人病の増加")
               + note(QStringLiteral("（多い食品）油脂類、バター、マーガリン、マヨネーズなど。"));
    case 3:
        return QStringLiteral("泌尿器系結石、ミルクアルカリ症候群、他の無機質の吸収抑制。");
    case 4:
        return QStringLiteral("鉄沈着症の発生。");
    case 5:
        return QStringLiteral("過剰症、柑皮症")
               + note(QStringLiteral("（多い食品）やつめうなぎ、レバー、抹茶、あゆ、ウナギ、のりなど。"));
    case 9:
        return QStringLiteral("高カルシウム血症、腎障害、軟組織の石灰化障害。");
    case 10:
        return QStringLiteral("血液の凝固に影響があるという報告もあるので、安全のための上限値。");
    case 11:
        return QStringLiteral("血管拡張による皮膚発赤作用、消化管・肝臓の障害。");
    case 12:
        return QStringLiteral("高血圧、脳卒中。胃がんとの関連性が高いと言われている。")
               + note(QStringLiteral("（多い食品）コンソメ、風味調味料、みそ、梅干し、漬物、塩辛などの塩漬け、たらなど。"));
    case 14:
        return QStringLiteral("安全のための上限値。");
    case 15:
        return QStringLiteral("過剰症。末梢性感覚性神経症、知覚神経障害、シュウ酸腎臓結石発生の危険。");
    case 16:
        return QStringLiteral("安全のための上限値。");
    case 19:
        return QStringLiteral("長期間過剰摂取すると腎機能の低下。（腎機能が正常なうちは、血中リン濃度は、調整される）");
    case 20:
        return QStringLiteral("下痢（医薬品等で摂取の場合。食物からの摂取に関しては多くても問題無い。）");
    case 22:
        return QStringLiteral("急性中毒、慢性中毒（臓器の機能的・形態的変化）");
    case 23:
        return QStringLiteral("常にマンガン過剰だと、運動失調、パーキンソン病、神経症や脳の障害。");
    case 24:
        return QStringLiteral("急性中毒。");
    default:
        return {};
    }
}

bool Ritu_Fusoku(double ritu, const SyoyouryouEntry &e)
{
    // Without a standard there is no threshold to compare with.
    if (e.Kagen == 0 || e.Syoyouryou == 0)
        return false;
    return below(ritu, e.Kagen / e.Syoyouryou * 100.0);
}

bool Ritu_Kajou(double ritu, const SyoyouryouEntry &e)
{
    if (e.Jougen == 0 || e.Syoyouryou == 0)
        return false;
    return below(e.Jougen / e.Syoyouryou * 100.0, ritu);
}

Hantei Ritu_Hantei(double ritu, const SyoyouryouEntry &e)
{
    if (Ritu_Fusoku(ritu, e))
        return Hantei::Fusoku;
    if (Ritu_Kajou(ritu, e))
        return Hantei::Kajou;
    return Hantei::Tekisei;
}

QString Advice_Text(const SindanKekka &k, const SyoyouryouHyou &std)
{
    QString out;
    const auto line = [&](int i, double r, const QString &text) {
        return kCrLf + QStringLiteral("　☆") + G_Eiyou_Mei.value(i) + QStringLiteral(" ( ")
               + Format(r, QStringLiteral("##0.0")) + QStringLiteral(" ％ ) ： ") + text;
    };
    bool fusoku = false;
    for (int i = 0; i < kJudgedCount; ++i) {
        const double r = k.dayRitu(i);
        if (!Ritu_Fusoku(r, std[i]))
            continue;
        if (!fusoku)
            out += kCrLf + QStringLiteral("★不足している栄養素・・・") + kCrLf;
        fusoku = true;
        out += line(i, r, Fusoku_Text(i)) + kCrLf + kCrLf;
    }
    bool kajou = false;
    for (int i = 0; i < kJudgedCount; ++i) {
        const double r = k.dayRitu(i);
        if (!Ritu_Kajou(r, std[i]))
            continue;
        if (!kajou)
            out += kCrLf + QStringLiteral("★摂り過ぎている栄養素・・") + kCrLf;
        kajou = true;
        out += line(i, r, Kajou_Text(i)) + kCrLf;
    }
    if (!fusoku && !kajou)
        return kCrLf + kCrLf + QStringLiteral("理想的な栄養バランスです。") + kCrLf;
    out += kCrLf + kCrLf + QStringLiteral("★栄養のばらつきがみられます。") + kCrLf
           + QStringLiteral("　長期的に栄養の偏りが続くと、上に書かれているような病気になる可能性が高まります。")
           + kCrLf
           + QStringLiteral("　毎日、同じような傾向が続かないよう、バランスの良い食事になるように心掛けましょう。");
    return out;
}

// ---- tables ----

QList<QStringList> Hyoujun_Rows(const SyoyouryouHyou &std)
{
    QList<QStringList> rows;
    const QString f = QStringLiteral("#####0.00");
    for (int i = 0; i < kJudgedCount; ++i) {
        const SyoyouryouEntry &e = std[i];
        rows << QStringList{G_Eiyou_Mei.value(i), Format(e.Syoyouryou, f),
                            e.Mokuhyou_Flg ? Format(e.Mokuhyou, f) : QString(),
                            G_Eiyou_Tani.value(i)};
    }
    return rows;
}

QList<QStringList> Sessyu_Zen_Rows(const SessyuryouHyou &day)
{
    QList<QStringList> rows;
    const QString f = QStringLiteral("######0.00");
    for (int i = 0; i < kEiyouCount; ++i) {
        QStringList r{day.Mei[i]};
        for (int m = 1; m < kSessyuRows; ++m)
            r << Format(day.Ryou[m][i], f);
        r << G_Eiyou_Tani.value(i);
        rows << r;
    }
    return rows;
}

QList<QStringList> Sessyu_Csv_Records(const SessyuryouHyou &day, const QDate &date)
{
    QStringList head{QStringLiteral("日付"), QStringLiteral("栄養素"), QStringLiteral("単位")};
    for (int m = 0; m < kSessyuRows - 2; ++m)
        head << G_Syokuji_Kubun.value(m, QStringLiteral("食事%1").arg(m + 1));
    head << QStringLiteral("合計");
    QList<QStringList> out{head};
    const QString d = date.toString(Qt::ISODate);
    for (int i = 0; i < kEiyouCount; ++i) {
        QStringList r{d, day.Mei[i], G_Eiyou_Tani.value(i)};
        for (int m = 1; m < kSessyuRows; ++m)
            r << csvNumber(day.Ryou[m][i], 4);
        out << r;
    }
    return out;
}

GraphHyou Ryouri_Graph(const std::array<double, kEiyouCount> &dish, const SyoyouryouHyou &std,
                       int first, int count)
{
    GraphHyou g;
    g.labels = {QStringLiteral("成分")};
    QList<double> row;
    for (int p = 0; p < count; ++p) {
        g.names << G_Eiyou_Mei.value(first + p);
        // The own targets do not apply to one dish: always the standard.
        row << Sessyu_Ritu(dish[first + p], std[first + p].Syoyouryou);
    }
    g.values << row;
    return g;
}

} // namespace mirte
