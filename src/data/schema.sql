-- Schema of the household database. Table and column names are the program's vocabulary;
-- every foreign key is declared, and deletes cascade along the household and catalogue chains.
-- Links to reference rows (成分表ID, 調理法ID, エネルギー消費量ID) never cascade, so a change of
-- reference data can never take a household's record with it.

CREATE TABLE 個人データ (
    氏名ID INTEGER PRIMARY KEY AUTOINCREMENT,
    氏名 TEXT NOT NULL CHECK (length(氏名) <= 10),
    生年月日 TEXT,
    性別 INTEGER,
    身長flg INTEGER NOT NULL DEFAULT 0,
    体重flg INTEGER NOT NULL DEFAULT 0,
    心拍数flg INTEGER NOT NULL DEFAULT 0,
    血圧flg INTEGER NOT NULL DEFAULT 0,
    血糖値flg INTEGER NOT NULL DEFAULT 0,
    体脂肪率flg INTEGER NOT NULL DEFAULT 0,
    体温flg INTEGER NOT NULL DEFAULT 0,
    歩数flg INTEGER NOT NULL DEFAULT 0,
    運動量（歩数計）flg INTEGER NOT NULL DEFAULT 0,
    身長 REAL,
    体重 REAL,
    心拍数 REAL,
    血圧（下） REAL,
    血圧（上） REAL,
    血糖値 REAL,
    体脂肪率 REAL,
    体温 REAL,
    歩数 REAL,
    運動量（歩数計） REAL,
    エネルギーflg INTEGER NOT NULL DEFAULT 0,
    たんぱく質flg INTEGER NOT NULL DEFAULT 0,
    脂質flg INTEGER NOT NULL DEFAULT 0,
    カルシウムflg INTEGER NOT NULL DEFAULT 0,
    鉄flg INTEGER NOT NULL DEFAULT 0,
    ビタミンＡflg INTEGER NOT NULL DEFAULT 0,
    ビタミンＢ１flg INTEGER NOT NULL DEFAULT 0,
    ビタミンＢ２flg INTEGER NOT NULL DEFAULT 0,
    ビタミンＣflg INTEGER NOT NULL DEFAULT 0,
    ビタミンＤflg INTEGER NOT NULL DEFAULT 0,
    ビタミンＥflg INTEGER NOT NULL DEFAULT 0,
    ナイアシンflg INTEGER NOT NULL DEFAULT 0,
    食塩相当量flg INTEGER NOT NULL DEFAULT 0,
    食物繊維総量flg INTEGER NOT NULL DEFAULT 0,
    ビタミンＫflg INTEGER NOT NULL DEFAULT 0,
    ビタミンＢ６flg INTEGER NOT NULL DEFAULT 0,
    葉酸flg INTEGER NOT NULL DEFAULT 0,
    ビタミンＢ１２flg INTEGER NOT NULL DEFAULT 0,
    パントテン酸flg INTEGER NOT NULL DEFAULT 0,
    リンflg INTEGER NOT NULL DEFAULT 0,
    マグネシウムflg INTEGER NOT NULL DEFAULT 0,
    カリウムflg INTEGER NOT NULL DEFAULT 0,
    銅flg INTEGER NOT NULL DEFAULT 0,
    マンガンflg INTEGER NOT NULL DEFAULT 0,
    亜鉛flg INTEGER NOT NULL DEFAULT 0,
    エネルギー REAL,
    たんぱく質 REAL,
    脂質 REAL,
    カルシウム REAL,
    鉄 REAL,
    ビタミンＡ REAL,
    ビタミンＢ１ REAL,
    ビタミンＢ２ REAL,
    ビタミンＣ REAL,
    ビタミンＤ REAL,
    ビタミンＥ REAL,
    ナイアシン REAL,
    食塩相当量 REAL,
    食物繊維総量 REAL,
    ビタミンＫ REAL,
    ビタミンＢ６ REAL,
    葉酸 REAL,
    ビタミンＢ１２ REAL,
    パントテン酸 REAL,
    リン REAL,
    マグネシウム REAL,
    カリウム REAL,
    銅 REAL,
    マンガン REAL,
    亜鉛 REAL,
    "血圧(上)" REAL GENERATED ALWAYS AS (血圧（上）) VIRTUAL,
    "血圧(下)" REAL GENERATED ALWAYS AS (血圧（下）) VIRTUAL,
    "運動量(歩数計)" REAL GENERATED ALWAYS AS (運動量（歩数計）) VIRTUAL
);
CREATE UNIQUE INDEX 個人データ_氏名 ON 個人データ(氏名);

CREATE TABLE USERCHECK (
    USERCHECKID INTEGER PRIMARY KEY,
    MAINUSER INTEGER
);
INSERT INTO USERCHECK (USERCHECKID, MAINUSER) VALUES (1, 0);

CREATE TABLE 健康状態管理 (
    健康状態管理ID INTEGER PRIMARY KEY AUTOINCREMENT,
    氏名ID INTEGER NOT NULL REFERENCES 個人データ(氏名ID) ON DELETE CASCADE,
    日付 TEXT NOT NULL,
    身長 REAL,
    体重 REAL,
    健康状態 TEXT,
    生活強度 INTEGER,
    血糖値 REAL,
    体脂肪率 REAL,
    心拍数 REAL,
    血圧（下） REAL,
    血圧（上） REAL,
    体温 REAL,
    歩数 REAL,
    運動量（歩数計） REAL,
    備考 TEXT,
    "血圧(上)" REAL GENERATED ALWAYS AS (血圧（上）) VIRTUAL,
    "血圧(下)" REAL GENERATED ALWAYS AS (血圧（下）) VIRTUAL,
    "運動量(歩数計)" REAL GENERATED ALWAYS AS (運動量（歩数計）) VIRTUAL
);
CREATE UNIQUE INDEX 健康状態管理_氏名ID_日付 ON 健康状態管理(氏名ID, 日付);

CREATE TABLE 調理法 (
    調理法ID INTEGER PRIMARY KEY CHECK (調理法ID BETWEEN -32768 AND 32767),
    調理法 TEXT NOT NULL
);

CREATE TABLE 成分表 (
    成分表ID INTEGER PRIMARY KEY,
    食品番号 TEXT,
    食品群 TEXT,
    食品名 TEXT,
    細分 TEXT,
    補足 TEXT,
    別名 TEXT,
    検索 TEXT,
    備考 TEXT,
    配布元 INTEGER NOT NULL DEFAULT 0,
    分量目安 TEXT,
    廃棄率 REAL,
    エネルギー REAL,
    水分 REAL,
    たんぱく質 REAL,
    脂質 REAL,
    炭水化物 REAL,
    灰分 REAL,
    ナトリウム REAL,
    カリウム REAL,
    カルシウム REAL,
    マグネシウム REAL,
    リン REAL,
    鉄 REAL,
    亜鉛 REAL,
    銅 REAL,
    マンガン REAL,
    レチノール REAL,
    カロテン REAL,
    ビタミンＡ REAL,
    ビタミンＤ REAL,
    ビタミンＥ REAL,
    ビタミンＫ REAL,
    ビタミンＢ１ REAL,
    ビタミンＢ２ REAL,
    ナイアシン REAL,
    ビタミンＢ６ REAL,
    ビタミンＢ１２ REAL,
    葉酸 REAL,
    パントテン酸 REAL,
    ビタミンＣ REAL,
    飽和脂肪酸 REAL,
    一価不飽和脂肪酸 REAL,
    多価不飽和脂肪酸 REAL,
    コレステロール REAL,
    水溶性食物繊維 REAL,
    不溶性食物繊維 REAL,
    食物繊維総量 REAL,
    食塩相当量 REAL
);
CREATE INDEX 成分表_食品群 ON 成分表(食品群);

CREATE TABLE アミノ酸組成表 (
    成分表ID INTEGER PRIMARY KEY REFERENCES 成分表(成分表ID),
    配布元 INTEGER NOT NULL DEFAULT 0,
    "イソロイシン" REAL,
    "ロイシン" REAL,
    "リジン" REAL,
    "含硫アミノ酸・メチオニン" REAL,
    "含硫アミノ酸・シスチン" REAL,
    "含硫アミノ酸・合計" REAL,
    "芳香族アミノ酸・フェニルアラニン" REAL,
    "芳香族アミノ酸・チロシン" REAL,
    "芳香族アミノ酸・合計" REAL,
    "スレオニン" REAL,
    "トリプトファン" REAL,
    "パリン" REAL,
    "ヒスチジン" REAL,
    "アルギニン" REAL,
    "アラニン" REAL,
    "アスパラギン酸" REAL,
    "グルタミン酸" REAL,
    "グリシン" REAL,
    "プロリン" REAL,
    "セリン" REAL,
    "アミノ酸スコア" REAL
);

CREATE TABLE 脂肪酸組成表 (
    成分表ID INTEGER PRIMARY KEY REFERENCES 成分表(成分表ID),
    配布元 INTEGER NOT NULL DEFAULT 0,
    "脂肪酸・総量" REAL,
    "脂肪酸・飽和" REAL,
    "脂肪酸・不飽和・一価" REAL,
    "脂肪酸・不飽和・多価" REAL,
    "酪酸" REAL,
    "ヘキサン酸" REAL,
    "オクタン酸" REAL,
    "デカン酸" REAL,
    "デセン酸" REAL,
    "ラウリン酸" REAL,
    "ミリスチン酸" REAL,
    "ミリストレイン酸" REAL,
    "ペンタデカン酸" REAL,
    "ペンタデカン酸ant" REAL,
    "ペンタデセン酸" REAL,
    "パルミチン酸" REAL,
    "パルミチン酸iso" REAL,
    "パルミトレイン酸" REAL,
    "ヘキサデカトリエン酸" REAL,
    "ヘクサデカテトラエン酸" REAL,
    "ヘプタデカン酸" REAL,
    "ヘプタデカン酸ant" REAL,
    "ヘプタデセン酸" REAL,
    "ヘプタデカジエン酸" REAL,
    "ステアリン酸" REAL,
    "オレイン酸" REAL,
    "リノール酸n-6" REAL,
    "リノレン酸n-3" REAL,
    "γリノレン酸n-6" REAL,
    "オクタデカテトラエン酸" REAL,
    "アラキジン酸" REAL,
    "イコセン酸" REAL,
    "イコサジエン酸n-6" REAL,
    "イコサトリエン酸n-6" REAL,
    "イコサテトラエン酸n-3" REAL,
    "アラキドン酸n-6" REAL,
    "イコサペンタエン酸n-3" REAL,
    "ベヘン酸" REAL,
    "ドコセン酸" REAL,
    "ドコサジエン酸" REAL,
    "ドコサテトラエン酸" REAL,
    "ドコサペンタエン酸n-3" REAL,
    "ドコサペンタエン酸n-6" REAL,
    "ドコサヘキサエン酸n-3" REAL,
    "リグノセリン酸" REAL,
    "テトラコセン酸" REAL
);

CREATE TABLE 料理分類 (
    料理分類ID INTEGER PRIMARY KEY AUTOINCREMENT,
    料理分類 TEXT NOT NULL
);

CREATE TABLE 料理名 (
    料理名ID INTEGER PRIMARY KEY AUTOINCREMENT,
    料理分類ID INTEGER NOT NULL REFERENCES 料理分類(料理分類ID) ON DELETE CASCADE,
    料理名 TEXT NOT NULL,
    配布元 INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX 料理名_料理分類ID ON 料理名(料理分類ID);

CREATE TABLE 材料 (
    材料ID INTEGER PRIMARY KEY AUTOINCREMENT,
    料理名ID INTEGER NOT NULL REFERENCES 料理名(料理名ID) ON DELETE CASCADE,
    成分表ID INTEGER NOT NULL REFERENCES 成分表(成分表ID),
    調理法ID INTEGER NOT NULL DEFAULT 1 REFERENCES 調理法(調理法ID),
    分量 REAL NOT NULL DEFAULT 0
);
CREATE INDEX 材料_料理名ID ON 材料(料理名ID);
CREATE INDEX 材料_成分表ID ON 材料(成分表ID);
CREATE INDEX 材料_調理法ID ON 材料(調理法ID);

-- Column order matters: the day's-dishes grid shows SELECT * and reads the ID first,
-- the dish name fourth and the meal sixth. 料理名ID keeps pointing at the catalogue dish the
-- row was taken from; it is history, not ownership, so deleting a catalogue dish leaves it.
CREATE TABLE 摂取料理 (
    摂取料理ID INTEGER PRIMARY KEY AUTOINCREMENT,
    健康状態管理ID INTEGER NOT NULL REFERENCES 健康状態管理(健康状態管理ID) ON DELETE CASCADE,
    料理名ID INTEGER,
    料理名 TEXT,
    料理分量 REAL NOT NULL DEFAULT 1,
    食事区分 TEXT NOT NULL,
    登録日時 TEXT DEFAULT CURRENT_TIMESTAMP
);
CREATE INDEX 摂取料理_健康状態管理ID ON 摂取料理(健康状態管理ID, 食事区分);

CREATE TABLE 摂取食品 (
    摂取食品ID INTEGER PRIMARY KEY AUTOINCREMENT,
    摂取料理ID INTEGER NOT NULL REFERENCES 摂取料理(摂取料理ID) ON DELETE CASCADE,
    健康状態管理ID INTEGER NOT NULL REFERENCES 健康状態管理(健康状態管理ID) ON DELETE CASCADE,
    成分表ID INTEGER NOT NULL REFERENCES 成分表(成分表ID),
    調理法ID INTEGER NOT NULL DEFAULT 1 REFERENCES 調理法(調理法ID),
    分量 REAL NOT NULL DEFAULT 0
);
CREATE INDEX 摂取食品_摂取料理ID ON 摂取食品(摂取料理ID);
CREATE INDEX 摂取食品_健康状態管理ID ON 摂取食品(健康状態管理ID);
CREATE INDEX 摂取食品_成分表ID ON 摂取食品(成分表ID);
CREATE INDEX 摂取食品_調理法ID ON 摂取食品(調理法ID);

CREATE TABLE エネルギー消費量 (
    エネルギー消費量ID INTEGER PRIMARY KEY,
    分類 TEXT,
    運動名称 TEXT NOT NULL,
    エネルギー代謝率 REAL,
    METs REAL
);

CREATE TABLE 運動時間 (
    運動時間ID INTEGER PRIMARY KEY AUTOINCREMENT,
    健康状態管理ID INTEGER NOT NULL REFERENCES 健康状態管理(健康状態管理ID) ON DELETE CASCADE,
    エネルギー消費量ID INTEGER NOT NULL REFERENCES エネルギー消費量(エネルギー消費量ID),
    時間 REAL NOT NULL DEFAULT 0 CHECK (時間 >= 0 AND 時間 < 1)
);
CREATE INDEX 運動時間_健康状態管理ID ON 運動時間(健康状態管理ID);
CREATE INDEX 運動時間_エネルギー消費量ID ON 運動時間(エネルギー消費量ID);

CREATE TABLE 基礎代謝基準値 (
    年齢１ INTEGER NOT NULL,
    性別 INTEGER NOT NULL,
    基礎代謝基準値 REAL NOT NULL,
    PRIMARY KEY (年齢１, 性別)
);

CREATE TABLE 標準所要量 (
    標準所要量ID INTEGER PRIMARY KEY AUTOINCREMENT,
    年齢（範囲１） REAL NOT NULL,
    性別 INTEGER,
    生活強度 INTEGER,
    エネルギー係数Ａ REAL NOT NULL DEFAULT 0,
    エネルギー係数Ｂ REAL NOT NULL DEFAULT 0,
    エネルギー係数Ｃ REAL NOT NULL DEFAULT 0,
    たんぱく質係数Ａ REAL NOT NULL DEFAULT 0,
    たんぱく質係数Ｂ REAL NOT NULL DEFAULT 0,
    たんぱく質係数Ｃ REAL NOT NULL DEFAULT 0,
    脂肪エネルギー比率係数Ａ REAL NOT NULL DEFAULT 0,
    脂肪エネルギー比率係数Ｂ REAL NOT NULL DEFAULT 0,
    脂肪エネルギー比率係数Ｃ REAL NOT NULL DEFAULT 0,
    カルシウム係数Ａ REAL NOT NULL DEFAULT 0,
    カルシウム係数Ｂ REAL NOT NULL DEFAULT 0,
    カルシウム係数Ｃ REAL NOT NULL DEFAULT 0,
    鉄係数Ａ REAL NOT NULL DEFAULT 0,
    鉄係数Ｂ REAL NOT NULL DEFAULT 0,
    鉄係数Ｃ REAL NOT NULL DEFAULT 0,
    ビタミンＡ係数Ａ REAL NOT NULL DEFAULT 0,
    ビタミンＡ係数Ｂ REAL NOT NULL DEFAULT 0,
    ビタミンＡ係数Ｃ REAL NOT NULL DEFAULT 0,
    ビタミンＢ１係数Ａ REAL NOT NULL DEFAULT 0,
    ビタミンＢ１係数Ｂ REAL NOT NULL DEFAULT 0,
    ビタミンＢ１係数Ｃ REAL NOT NULL DEFAULT 0,
    ビタミンＢ２係数Ａ REAL NOT NULL DEFAULT 0,
    ビタミンＢ２係数Ｂ REAL NOT NULL DEFAULT 0,
    ビタミンＢ２係数Ｃ REAL NOT NULL DEFAULT 0,
    ビタミンＣ係数Ａ REAL NOT NULL DEFAULT 0,
    ビタミンＣ係数Ｂ REAL NOT NULL DEFAULT 0,
    ビタミンＣ係数Ｃ REAL NOT NULL DEFAULT 0,
    ビタミンＤ係数Ａ REAL NOT NULL DEFAULT 0,
    ビタミンＤ係数Ｂ REAL NOT NULL DEFAULT 0,
    ビタミンＤ係数Ｃ REAL NOT NULL DEFAULT 0,
    ビタミンＥ係数Ａ REAL NOT NULL DEFAULT 0,
    ビタミンＥ係数Ｂ REAL NOT NULL DEFAULT 0,
    ビタミンＥ係数Ｃ REAL NOT NULL DEFAULT 0,
    ナイアシン係数Ａ REAL NOT NULL DEFAULT 0,
    ナイアシン係数Ｂ REAL NOT NULL DEFAULT 0,
    ナイアシン係数Ｃ REAL NOT NULL DEFAULT 0,
    ビタミンＫ REAL NOT NULL DEFAULT 0,
    ビタミンＢ６ REAL NOT NULL DEFAULT 0,
    葉酸 REAL NOT NULL DEFAULT 0,
    ビタミンＢ１２ REAL NOT NULL DEFAULT 0,
    パントテン酸 REAL NOT NULL DEFAULT 0,
    リン REAL NOT NULL DEFAULT 0,
    マグネシウム REAL NOT NULL DEFAULT 0,
    カリウム REAL NOT NULL DEFAULT 0,
    銅 REAL NOT NULL DEFAULT 0,
    マンガン REAL NOT NULL DEFAULT 0,
    亜鉛 REAL NOT NULL DEFAULT 0
);
CREATE INDEX 標準所要量_選択 ON 標準所要量(年齢（範囲１）, 性別, 生活強度);

-- How names of dishes and activities are read (folded hiragana, blank-separated when a name
-- has several readings): 配布元 0 for the shipped names, 1 for the household's own.
CREATE TABLE 読み (
    名前 TEXT PRIMARY KEY,
    読み TEXT NOT NULL,
    配布元 INTEGER NOT NULL DEFAULT 1
);

-- The program's settings (the folder last used for files, …).
CREATE TABLE 設定 (
    名称 TEXT PRIMARY KEY,
    値 TEXT
);

-- Which reference data this file holds; bumped when the shipped figures change.
CREATE TABLE 参照データ版 (
    名称 TEXT PRIMARY KEY,
    版 INTEGER NOT NULL
);
