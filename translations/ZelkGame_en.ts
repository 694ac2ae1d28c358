<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Arcade</name>
    <message>
        <source>Zelkのゲーム屋さん</source>
        <translation>Zelk&apos;s Game Shop</translation>
    </message>
    <message>
        <source>既に､起動されています。</source>
        <translation>The arcade is already running.</translation>
    </message>
</context>
<context>
    <name>Bingo</name>
    <message>
        <source>card %1</source>
        <translation>card %1</translation>
    </message>
    <message>
        <source>drawn numbers</source>
        <translation>drawn numbers</translation>
    </message>
    <message>
        <source>hostess with the ball</source>
        <translation>hostess with the ball</translation>
    </message>
    <message>
        <source>リーチ !</source>
        <translation>REACH !</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>stake</source>
        <translation>stake</translation>
    </message>
    <message>
        <source>順 列（×１０）</source>
        <translation>Order (×10)</translation>
    </message>
    <message>
        <source>組合せ（×３）</source>
        <translation>Set (×3)</translation>
    </message>
    <message>
        <source>lamp %1</source>
        <translation>lamp %1</translation>
    </message>
</context>
<context>
    <name>Dango</name>
    <message>
        <source>確定</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>track</source>
        <translation>track</translation>
    </message>
    <message>
        <source>dog %1</source>
        <translation>dog %1</translation>
    </message>
    <message>
        <source>bets</source>
        <translation>bets</translation>
    </message>
    <message>
        <source>result</source>
        <translation>result</translation>
    </message>
</context>
<context>
    <name>Dice</name>
    <message>
        <source>outcome %1 and %2</source>
        <translation>outcome %1 and %2</translation>
    </message>
    <message>
        <source>stake on outcome %1 and %2</source>
        <translation>stake on outcome %1 and %2</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>field %1</translation>
    </message>
    <message>
        <source>stake on field %1</source>
        <translation>stake on field %1</translation>
    </message>
    <message>
        <source>stake on %1</source>
        <translation>stake on %1</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>face %1</translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>die %1</translation>
    </message>
    <message>
        <source>board</source>
        <translation>board</translation>
    </message>
</context>
<context>
    <name>GameMain</name>
    <message>
        <source>ビンゴ</source>
        <translation>Bingo</translation>
    </message>
    <message>
        <source>宝探し</source>
        <translation>Treasure</translation>
    </message>
    <message>
        <source>ルーレット</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <source>サイコロ</source>
        <translation>Dice</translation>
    </message>
    <message>
        <source>スロット</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>おまけ</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>かぶ</source>
        <translation>Kabu</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ver情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>ドッグレース</source>
        <translation>Dog Race</translation>
    </message>
    <message>
        <source>マーク</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Zelkのゲーム屋さん</source>
        <translation>Zelk&apos;s Game Shop</translation>
    </message>
    <message>
        <source>成績を見る (%1)</source>
        <translation>Show the records (%1)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>・ ビンゴ</source>
        <translation>• Bingo</translation>
    </message>
    <message>
        <source>・ 宝探し</source>
        <translation>• Treasure</translation>
    </message>
    <message>
        <source>・ サイコロ</source>
        <translation>• Dice</translation>
    </message>
    <message>
        <source>・ スロット</source>
        <translation>• Slot</translation>
    </message>
    <message>
        <source>・ ルーレット</source>
        <translation>• Roulette</translation>
    </message>
    <message>
        <source>・ かぶ</source>
        <translation>• Kabu</translation>
    </message>
    <message>
        <source>・ ドッグレース</source>
        <translation>• Dog Race</translation>
    </message>
    <message>
        <source>・ マーク</source>
        <translation>• Mark</translation>
    </message>
    <message>
        <source>・ おまけ</source>
        <translation>• Bonus</translation>
    </message>
    <message>
        <source>１～３０迄の数字を１２こ選出されますので、”縦・横・斜め”のラインが出来上がった時点での選出回数にて配当が決まります。</source>
        <translation>12 numbers from 1 to 30 are drawn; the pay depends on the draw that completes a row, column or diagonal.</translation>
    </message>
    <message>
        <source>中身が入っている宝箱をクリックして、２倍・４倍～２０４８倍の配当を獲得してください。</source>
        <translation>Click a chest that holds treasure to win 2, 4 and on up to 2048 times your stake.</translation>
    </message>
    <message>
        <source>２つのサイコロの出目を予想して、サイコロ又は各グループ毎に掛け金を決めてスタートし、当たれば配当が返ってきます。</source>
        <translation>Guess the throw of two dice: stake on outcomes or on groups, press START, and a hit pays out.</translation>
    </message>
    <message>
        <source>シングルタイプのスロットで、指定の絵柄が３つそろうと配当が返ってきます。</source>
        <translation>A single-line slot machine: three of the same given picture in a row pay out.</translation>
    </message>
    <message>
        <source>次にランプが止まる数字を予想し、当たればその数字がそのまま倍率になります。 （０は外れです）</source>
        <translation>Guess the number where the lamp stops; a hit pays that number times your stake. (0 loses.)</translation>
    </message>
    <message>
        <source>俗に言う”おいちょかぶ”で２～３枚で、数字が９以下で親より大きければかちです。（例：１５になったら１０を取って５となります）</source>
        <translation>Oicho-Kabu with 2 or 3 cards: 9 or less and above the dealer wins. (Tens are dropped: 15 counts as 5.)</translation>
    </message>
    <message>
        <source>注：Ａと４・Ａと９の組合わせが親に出ると親の総取りになります。                         又、子が同じ数字が３枚（２・２・２）になると無条件で５倍の配当が貰えます。</source>
        <translation>Note: A and 4 or A and 9 for the dealer takes every stake.
Three cards of one number (2, 2, 2) for a player always pay 5 times.</translation>
    </message>
    <message>
        <source>良くある競馬の犬版です１～２位を予想して下さい。</source>
        <translation>A race of dogs instead of horses: guess the dogs that come first and second.</translation>
    </message>
    <message>
        <source>５枚のカードのうち３枚のマークの組合せ又は順列を予想して下さい。</source>
        <translation>Guess the suits of 3 of 5 cards: as a set or in order.</translation>
    </message>
    <message>
        <source>１回  5０ＢＥＴでピースを購入でき、全部の絵が揃ったらおまけの絵が出てきます。</source>
        <translation>Buy a piece for 50 BET a time; when every piece is in place, a bonus picture appears.</translation>
    </message>
</context>
<context>
    <name>Kabu</name>
    <message>
        <source>table</source>
        <translation>table</translation>
    </message>
</context>
<context>
    <name>RecordsWindow</name>
    <message>
        <source>成績</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>ゲーム</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Plays</translation>
    </message>
    <message>
        <source>賭け</source>
        <translation>Staked</translation>
    </message>
    <message>
        <source>払い戻し</source>
        <translation>Paid</translation>
    </message>
    <message>
        <source>損益</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>還元率</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>公表値</source>
        <translation>Published</translation>
    </message>
    <message>
        <source>最高配当</source>
        <translation>Best win</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>成績をリセット</source>
        <translation>Reset records</translation>
    </message>
    <message>
        <source>100クレジットで再開</source>
        <translation>Start again with 100 credits</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>記録の開始日: %1</source>
        <translation>Recorded since: %1</translation>
    </message>
    <message>
        <source>100クレジットで再開した回数: %1</source>
        <translation>Started again with 100 credits: %1</translation>
    </message>
    <message>
        <source>成績をすべて消して、今日から記録し直しますか？
クレジットはそのままです。</source>
        <translation>Erase all records and record again from today?
Your credits stay as they are.</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>records</source>
        <translation>records</translation>
    </message>
</context>
<context>
    <name>Roter</name>
    <message>
        <source>wheel</source>
        <translation>wheel</translation>
    </message>
    <message>
        <source>lamp %1</source>
        <translation>lamp %1</translation>
    </message>
</context>
<context>
    <name>Slot</name>
    <message>
        <source>flag of Japan</source>
        <translation>flag of Japan</translation>
    </message>
    <message>
        <source>flag of the USA</source>
        <translation>flag of the USA</translation>
    </message>
    <message>
        <source>flag of the UK</source>
        <translation>flag of the UK</translation>
    </message>
    <message>
        <source>flag of Germany</source>
        <translation>flag of Germany</translation>
    </message>
    <message>
        <source>reels</source>
        <translation>reels</translation>
    </message>
    <message>
        <source>reel %1</source>
        <translation>reel %1</translation>
    </message>
</context>
<context>
    <name>Takara</name>
    <message>
        <source>gold</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>closed chest</source>
        <translation>closed chest</translation>
    </message>
    <message>
        <source>chest %1</source>
        <translation>chest %1</translation>
    </message>
    <message>
        <source>stake</source>
        <translation>stake</translation>
    </message>
    <message>
        <source>倍に挑戦しますか？</source>
        <translation>times? Go on?</translation>
    </message>
    <message>
        <source>START又はBETを押してください。</source>
        <translation>Press START or BET.</translation>
    </message>
    <message>
        <source>Ｏ Ｋ</source>
        <translation>Ｏ Ｋ</translation>
    </message>
    <message>
        <source>question</source>
        <translation>question</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>hint</translation>
    </message>
</context>
<context>
    <name>Winner</name>
    <message>
        <source>piece %1</source>
        <translation>piece %1</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>puzzle</translation>
    </message>
    <message>
        <source>bonus picture</source>
        <translation>bonus picture</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source> Ver2.00</source>
        <translation> Ver2.00</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Zelkのゲーム屋さん</source>
        <translation>Zelk&apos;s Game Shop</translation>
    </message>
</context>
<context>
    <name>cards</name>
    <message>
        <source>heart</source>
        <translation>heart</translation>
    </message>
    <message>
        <source>club</source>
        <translation>club</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamond</translation>
    </message>
    <message>
        <source>spade</source>
        <translation>spade</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a card face as a screen reader names it: &quot;heart 7&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>card %1 face down</source>
        <translation>card %1 face down</translation>
    </message>
</context>
</TS>
