<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>关于...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Jaxo中英文打字练习软件</source>
        <translation>Jaxo Chinese and English typing tutor</translation>
    </message>
    <message>
        <source>由Jaxo开发组编写</source>
        <translation>Written by the Jaxo team</translation>
    </message>
    <message>
        <source>欢迎使用JAXO4.00中文打字练习软件</source>
        <translation>Welcome to the JAXO4.00 typing tutor</translation>
    </message>
    <message>
        <source>Jaxo开发组</source>
        <translation>The Jaxo team</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AtomicWrite</name>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ChineseCoach</name>
    <message>
        <source>智能练习找不到高频字表：%1</source>
        <translation>Adaptive practice cannot find the frequent-character list: %1</translation>
    </message>
    <message>
        <source>%1 字/分，正确率 %2%</source>
        <translation>%1 per min, accuracy %2%</translation>
    </message>
    <message>
        <source>还没有成绩</source>
        <translation>no results yet</translation>
    </message>
    <message>
        <source>重点字「%1」：%2&#x3000;已学 %3/%4 字，达标 %5&#x3000;目标 %6 字/分、%7%</source>
        <translation>Focus character “%1”: %2&#x3000;learnt %3/%4 characters, %5 on target&#x3000;target %6 per min, %7%</translation>
    </message>
    <message>
        <source>新字「%1」加入练习</source>
        <translation>New character “%1” added to the practice</translation>
    </message>
</context>
<context>
    <name>ChinesePanel</name>
    <message>
        <source>这样退出将没有成绩,您确定吗?</source>
        <translation>Leaving now gives no score. Are you sure?</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>选择下一页作为练习内容...</source>
        <translation>Practise the next page...</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>强行退出测试状态...</source>
        <translation>Abandon the test...</translation>
    </message>
    <message>
        <source>随机测试</source>
        <translation>Random test</translation>
    </message>
    <message>
        <source>顺序测试</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>输入法未打开：fcitx5 按 Ctrl+空格，IBus 按 Super+空格（详见帮助 F1）...</source>
        <translation>The input method is off: Ctrl+Space in fcitx5, Super+Space in IBus (see Help, F1)...</translation>
    </message>
    <message>
        <source>输入法未打开：%1（见帮助 F1）...</source>
        <translation>The input method is off: %1 (see Help, F1)...</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>每日目标文件 %1 %2，现用默认目标（每天 20 分钟）</source>
        <translation>The daily goal file %1 %2; the default goal (20 minutes a day) is used instead</translation>
    </message>
    <message>
        <source>无法读取（%1）</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>的内容看不懂</source>
        <translation>could not be understood</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>字</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>今日目标 %1/%2 %3</source>
        <translation>Today&apos;s goal: %1/%2 %3</translation>
    </message>
    <message>
        <source>，已完成</source>
        <translation>, done</translation>
    </message>
    <message>
        <source>，连续 %1 天</source>
        <translation>, %1 days in a row</translation>
    </message>
</context>
<context>
    <name>EnglishCoach</name>
    <message>
        <source>%1 字/分，正确率 %2%</source>
        <translation>%1 per min, accuracy %2%</translation>
    </message>
    <message>
        <source>还没有成绩</source>
        <translation>no results yet</translation>
    </message>
    <message>
        <source>重点键 %1：%2&#x3000;已学 %3/%4 键，达标 %5&#x3000;目标 %6 字/分、%7%</source>
        <translation>Focus key %1: %2&#x3000;learnt %3/%4 keys, %5 on target&#x3000;target %6 per min, %7%</translation>
    </message>
    <message>
        <source>新键 %1 加入练习</source>
        <translation>New key %1 added to the practice</translation>
    </message>
</context>
<context>
    <name>EnglishPanel</name>
    <message>
        <source>下一页</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>选择下一页作为练习内容...</source>
        <translation>Practise the next page...</translation>
    </message>
</context>
<context>
    <name>ExerciseKind</name>
    <message>
        <source>中文练习</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文练习</source>
        <translation>English</translation>
    </message>
    <message>
        <source>轻轻松松背单词</source>
        <translation>Vocabulary</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>字根练习</source>
        <translation>Radicals</translation>
    </message>
    <message>
        <source>单击进入五笔字根练习...</source>
        <translation>Click to practise the Wubi radicals...</translation>
    </message>
    <message>
        <source>高频字练习</source>
        <translation>Frequent</translation>
    </message>
    <message>
        <source>高频字</source>
        <translation>Frequent</translation>
    </message>
    <message>
        <source>单击此键进入高频字练习状态...</source>
        <translation>Click to practise the most frequent characters...</translation>
    </message>
    <message>
        <source>二级简码练习</source>
        <translation>2-key codes</translation>
    </message>
    <message>
        <source>二级简码</source>
        <translation>2-key</translation>
    </message>
    <message>
        <source>单击此键进入二级简码练习状态...</source>
        <translation>Click to practise the two-key short codes...</translation>
    </message>
    <message>
        <source>三级简码练习</source>
        <translation>3-key codes</translation>
    </message>
    <message>
        <source>三级简码</source>
        <translation>3-key</translation>
    </message>
    <message>
        <source>单击此键进入三级简码练习状态...</source>
        <translation>Click to practise the three-key short codes...</translation>
    </message>
    <message>
        <source>二字词组练习</source>
        <translation>2-char words</translation>
    </message>
    <message>
        <source>二字词组</source>
        <translation>Two-character words</translation>
    </message>
    <message>
        <source>三字词组练习</source>
        <translation>3-char words</translation>
    </message>
    <message>
        <source>三字词组</source>
        <translation>Three-character words</translation>
    </message>
    <message>
        <source>四字词组练习</source>
        <translation>4-char words</translation>
    </message>
    <message>
        <source>四字词组</source>
        <translation>Four-character words</translation>
    </message>
    <message>
        <source>文章练习</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>单击此键进入文章练习状态...</source>
        <translation>Click to practise typing articles...</translation>
    </message>
    <message>
        <source>英文初级练习</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>英文初级</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>单击进入英文初级指法练习...</source>
        <translation>Click to practise beginner fingering...</translation>
    </message>
    <message>
        <source>英文中级练习</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>英文中级</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>单击进入英文中级指法练习...</source>
        <translation>Click to practise intermediate fingering...</translation>
    </message>
    <message>
        <source>英文高级练习</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>英文高级</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>单击进入英文高级指法练习...</source>
        <translation>Click to practise advanced fingering...</translation>
    </message>
    <message>
        <source>英文文章练习</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>单击进入英文文章练习...</source>
        <translation>Click to practise typing English articles...</translation>
    </message>
    <message>
        <source>顺序测试</source>
        <translation>From the start</translation>
    </message>
    <message>
        <source>随机测试</source>
        <translation>At random</translation>
    </message>
    <message>
        <source>新版小学英语</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>小学英语</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>单击进入小学英文单词练习...</source>
        <translation>Click to practise primary school words...</translation>
    </message>
    <message>
        <source>新版初中英语</source>
        <translation>Junior high</translation>
    </message>
    <message>
        <source>初中英语</source>
        <translation>Junior</translation>
    </message>
    <message>
        <source>单击进入初中英文单词练习...</source>
        <translation>Click to practise junior high school words...</translation>
    </message>
    <message>
        <source>新版高中英语</source>
        <translation>Senior high</translation>
    </message>
    <message>
        <source>高中英语</source>
        <translation>Senior</translation>
    </message>
    <message>
        <source>单击进入高中英文单词练习...</source>
        <translation>Click to practise senior high school words...</translation>
    </message>
    <message>
        <source>大学英语1-4级</source>
        <translation>College 1-4</translation>
    </message>
    <message>
        <source>大学英语1-4级词汇</source>
        <translation>College English bands 1-4</translation>
    </message>
    <message>
        <source>大学英语5-6级</source>
        <translation>College 5-6</translation>
    </message>
    <message>
        <source>大学英语5-6级词汇</source>
        <translation>College English bands 5-6</translation>
    </message>
    <message>
        <source>GMAT词汇</source>
        <translation>GMAT</translation>
    </message>
    <message>
        <source>单击进入GMAT单词练习...</source>
        <translation>Click to practise GMAT words...</translation>
    </message>
    <message>
        <source>GRE英语词汇</source>
        <translation>GRE</translation>
    </message>
    <message>
        <source>GRE词汇</source>
        <translation>GRE</translation>
    </message>
    <message>
        <source>单击进入GRE单词练习...</source>
        <translation>Click to practise GRE words...</translation>
    </message>
    <message>
        <source>托福600分单词</source>
        <translation>TOEFL 600</translation>
    </message>
    <message>
        <source>托福600</source>
        <translation>TOEFL 600</translation>
    </message>
    <message>
        <source>单击进入托福600分单词练习...</source>
        <translation>Click to practise the TOEFL 600 words...</translation>
    </message>
    <message>
        <source>语句练习</source>
        <translation>Sentences</translation>
    </message>
    <message>
        <source>单击进入语句练习...</source>
        <translation>Click to practise sentences...</translation>
    </message>
    <message>
        <source>薄弱字练习</source>
        <translation>Weak chars</translation>
    </message>
    <message>
        <source>薄弱字根练习</source>
        <translation>Weak radicals</translation>
    </message>
    <message>
        <source>薄弱单词练习</source>
        <translation>Weak words</translation>
    </message>
    <message>
        <source>全拼键位练习</source>
        <translation>Full Pinyin key drill</translation>
    </message>
    <message>
        <source>全拼</source>
        <translation>Full Pinyin</translation>
    </message>
    <message>
        <source>双拼（小鹤）键位练习</source>
        <translation>Shuangpin (Xiaohe) key drill</translation>
    </message>
    <message>
        <source>双拼（小鹤）</source>
        <translation>Shuangpin (Xiaohe)</translation>
    </message>
    <message>
        <source>双拼（自然码）键位练习</source>
        <translation>Shuangpin (Ziranma) key drill</translation>
    </message>
    <message>
        <source>双拼（自然码）</source>
        <translation>Shuangpin (Ziranma)</translation>
    </message>
    <message>
        <source>仓颉五代键位练习</source>
        <translation>Cangjie 5 key drill</translation>
    </message>
    <message>
        <source>仓颉五代</source>
        <translation>Cangjie 5</translation>
    </message>
    <message>
        <source>速成键位练习</source>
        <translation>Quick key drill</translation>
    </message>
    <message>
        <source>速成</source>
        <translation>Quick</translation>
    </message>
    <message>
        <source>注音键位练习</source>
        <translation>Zhuyin key drill</translation>
    </message>
    <message>
        <source>注音</source>
        <translation>Zhuyin</translation>
    </message>
    <message>
        <source>中文智能练习</source>
        <translation>Adaptive Chinese</translation>
    </message>
    <message>
        <source>智能练习</source>
        <translation>Adaptive</translation>
    </message>
    <message>
        <source>单击进入中文智能练习：字按熟练程度逐个加入...</source>
        <translation>Click for adaptive Chinese practice: characters are added one by one as you master them...</translation>
    </message>
    <message>
        <source>英文智能练习</source>
        <translation>Adaptive English</translation>
    </message>
    <message>
        <source>单击进入英文智能练习：键按熟练程度逐个加入...</source>
        <translation>Click for adaptive English practice: keys are added one by one as you master them...</translation>
    </message>
    <message>
        <source>今日复习：汉字</source>
        <translation>Review: characters</translation>
    </message>
    <message>
        <source>今日复习：按键</source>
        <translation>Review: keys</translation>
    </message>
    <message>
        <source>今日复习：单词</source>
        <translation>Review: words</translation>
    </message>
    <message>
        <source>自定义练习</source>
        <translation>Own text</translation>
    </message>
    <message>
        <source>智能字根练习</source>
        <translation>Adaptive radicals</translation>
    </message>
    <message>
        <source>五笔智能字根练习</source>
        <translation>Wubi: adaptive radicals</translation>
    </message>
    <message>
        <source>智能编码练习</source>
        <translation>Adaptive codes</translation>
    </message>
    <message>
        <source>五笔智能编码练习</source>
        <translation>Wubi: adaptive codes</translation>
    </message>
</context>
<context>
    <name>ExerciseRun</name>
    <message>
        <source>退出练习并查看成绩...</source>
        <translation>Stop practising and see your score...</translation>
    </message>
</context>
<context>
    <name>HistoryKind</name>
    <message>
        <source>字根练习</source>
        <translation>Radical drill</translation>
    </message>
    <message>
        <source>中文练习</source>
        <translation>Chinese practice</translation>
    </message>
    <message>
        <source>英文练习</source>
        <translation>English practice</translation>
    </message>
    <message>
        <source>中文测试</source>
        <translation>Chinese test</translation>
    </message>
    <message>
        <source>英文测试</source>
        <translation>English test</translation>
    </message>
    <message>
        <source>背单词</source>
        <translation>Vocabulary</translation>
    </message>
    <message>
        <source>薄弱字练习</source>
        <translation>Weak characters</translation>
    </message>
    <message>
        <source>薄弱字根练习</source>
        <translation>Weak radicals</translation>
    </message>
    <message>
        <source>薄弱单词练习</source>
        <translation>Weak words</translation>
    </message>
    <message>
        <source>键位练习</source>
        <translation>Key drill</translation>
    </message>
    <message>
        <source>中文智能练习</source>
        <translation>Adaptive Chinese</translation>
    </message>
    <message>
        <source>英文智能练习</source>
        <translation>Adaptive English</translation>
    </message>
    <message>
        <source>复习汉字</source>
        <translation>Character review</translation>
    </message>
    <message>
        <source>复习按键</source>
        <translation>Key review</translation>
    </message>
    <message>
        <source>复习单词</source>
        <translation>Word review</translation>
    </message>
    <message>
        <source>自定义中文练习</source>
        <translation>Own Chinese text</translation>
    </message>
    <message>
        <source>自定义英文练习</source>
        <translation>Own English text</translation>
    </message>
    <message>
        <source>自定义单词表</source>
        <translation>Own word list</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>M月d日</source>
        <translation>MMM d</translation>
    </message>
    <message>
        <source>%1：没有数据。</source>
        <translation>%1: no data.</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>课程</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Typed</translation>
    </message>
    <message>
        <source>正确</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>速度(字/分)</source>
        <translation>Speed (per min)</translation>
    </message>
    <message>
        <source>正确率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>评价</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>学员</source>
        <translation>Learner</translation>
    </message>
    <message>
        <source>还没有成绩记录：做完一次练习、看过成绩单后，您的每一次进步都会记在这里。</source>
        <translation>No results yet: finish an exercise and see its score report, and every step of your progress is kept here.</translation>
    </message>
    <message>
        <source>成绩记录</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>练习类别(&amp;K):</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>练习类别</source>
        <translation>Kind of exercise</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>显示全班(&amp;C)</source>
        <translation>Whole &amp;class</translation>
    </message>
    <message>
        <source>显示全班的成绩</source>
        <translation>Show the whole class&apos;s results</translation>
    </message>
    <message>
        <source>导出记录(&amp;E)...</source>
        <translation>&amp;Export results...</translation>
    </message>
    <message>
        <source>把成绩记录导出为CSV文件</source>
        <translation>Export the results as a CSV file</translation>
    </message>
    <message>
        <source>导出错误明细(&amp;M)...</source>
        <translation>Export &amp;mistakes...</translation>
    </message>
    <message>
        <source>把每次练习的错误明细导出为CSV文件</source>
        <translation>Export each session&apos;s mistakes as a CSV file</translation>
    </message>
    <message>
        <source>成绩记录现在无法打开，练习不受影响。</source>
        <translation>The results cannot be opened now; practice goes on as usual.</translation>
    </message>
    <message>
        <source>成绩记录的内容</source>
        <translation>The results</translation>
    </message>
    <message>
        <source>记录、图表与薄弱环节</source>
        <translation>Sessions, charts and weak spots</translation>
    </message>
    <message>
        <source>成绩记录表，最新的在最上面</source>
        <translation>Results table, newest first</translation>
    </message>
    <message>
        <source>记录(&amp;R)</source>
        <translation>&amp;Sessions</translation>
    </message>
    <message>
        <source>速度图表</source>
        <translation>Speed chart</translation>
    </message>
    <message>
        <source>正确率图表</source>
        <translation>Accuracy chart</translation>
    </message>
    <message>
        <source>图表(&amp;G)</source>
        <translation>&amp;Charts</translation>
    </message>
    <message>
        <source>最常打错的字</source>
        <translation>Most-missed characters</translation>
    </message>
    <message>
        <source>字</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>五笔编码</source>
        <translation>Wubi code</translation>
    </message>
    <message>
        <source>字根键(键名)</source>
        <translation>Radical keys (key names)</translation>
    </message>
    <message>
        <source>错误次数</source>
        <translation>Misses</translation>
    </message>
    <message>
        <source>薄弱环节(&amp;W)</source>
        <translation>&amp;Weak spots</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>关闭成绩记录</source>
        <translation>Close the results</translation>
    </message>
    <message>
        <source>记录在服务器 %1，学员 %2</source>
        <translation>Kept on the server %1, learner %2</translation>
    </message>
    <message>
        <source>记录文件：%1</source>
        <translation>Results file: %1</translation>
    </message>
    <message>
        <source>成绩记录没能读出来。
%1
%2</source>
        <translation>The results could not be read.
%1
%2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>全部练习</source>
        <translation>All exercises</translation>
    </message>
    <message>
        <source>“%1”还没有成绩记录，做完一次就能在这里看到图表。</source>
        <translation>No results for “%1” yet: finish one and its chart appears here.</translation>
    </message>
    <message>
        <source>正确率 %</source>
        <translation>Accuracy %</translation>
    </message>
    <message>
        <source>%1的速度</source>
        <translation>Speed of %1</translation>
    </message>
    <message>
        <source>%1的正确率</source>
        <translation>Accuracy of %1</translation>
    </message>
    <message>
        <source>(码表中没有)</source>
        <translation>(not in the code book)</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>最常打错的键：</source>
        <translation>Most-missed keys: </translation>
    </message>
    <message>
        <source>还没有。</source>
        <translation>none yet.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>最常打错的字根：</source>
        <translation>Most-missed radicals: </translation>
    </message>
    <message>
        <source>最常拼错的单词：</source>
        <translation>Most-misspelt words: </translation>
    </message>
    <message>
        <source>还没有打错的字，暂无薄弱字练习</source>
        <translation>No missed characters yet, so no weak-character practice</translation>
    </message>
    <message>
        <source>薄弱字练习(&amp;P)</source>
        <translation>&amp;Practise weak characters</translation>
    </message>
    <message>
        <source>还没有打错的字根，暂无薄弱字根练习</source>
        <translation>No missed radicals yet, so no weak-radical drill</translation>
    </message>
    <message>
        <source>薄弱字根练习(&amp;D)</source>
        <translation>&amp;Drill weak radicals</translation>
    </message>
    <message>
        <source>还没有拼错的单词，暂无薄弱单词练习</source>
        <translation>No misspelt words yet, so no weak-word practice</translation>
    </message>
    <message>
        <source>薄弱单词练习(&amp;V)</source>
        <translation>Practise weak &amp;words</translation>
    </message>
    <message>
        <source>没有导出。</source>
        <translation>Nothing exported.</translation>
    </message>
    <message>
        <source>已导出%1行到 %2</source>
        <translation>Exported %1 rows to %2</translation>
    </message>
    <message>
        <source>导出成绩记录</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>导出错误明细</source>
        <translation>Export mistakes</translation>
    </message>
    <message>
        <source>%1 %2：中位数 %3 %4，%5 次练习</source>
        <translation>%1 %2: median %3 %4, %5 sessions</translation>
    </message>
    <message>
        <source>%1趋势</source>
        <translation>%1 trend</translation>
    </message>
    <message>
        <source>yy年M月d日</source>
        <translation>MMM d &apos;&apos;yy</translation>
    </message>
    <message>
        <source>日期（每格 %1 天）</source>
        <translation>Date (%1 days a step)</translation>
    </message>
    <message>
        <source>%1：%2次练习，按天取中位数，共%3天，从%4到%5；最低%6%7，最高%8%7，最近一天%9%7。</source>
        <translation>%1: %2 sessions, median per day, %3 days from %4 to %5; lowest %6%7, highest %8%7, latest day %9%7.</translation>
    </message>
    <message>
        <source>日历与目标(&amp;L)</source>
        <translation>Ca&amp;lendar and goal</translation>
    </message>
    <message>
        <source>打错的键与字(&amp;T)</source>
        <translation>Mis&amp;typed keys and characters</translation>
    </message>
    <message>
        <source>个/分钟</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>%1：速度（每天的中位数）</source>
        <translation>%1: speed (median per day)</translation>
    </message>
    <message>
        <source>个/分钟（中文为字/分钟，英文为键/分钟）</source>
        <translation>per minute (characters for Chinese, keystrokes for English)</translation>
    </message>
    <message>
        <source>目标 %1 个/分钟</source>
        <translation>Target %1 per minute</translation>
    </message>
    <message>
        <source>%1：正确率（每天的中位数）</source>
        <translation>%1: accuracy (median per day)</translation>
    </message>
    <message>
        <source>目标 %1%</source>
        <translation>Target %1%</translation>
    </message>
    <message>
        <source>错误率</source>
        <translation>Error rate</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 在%2键 (%3)</source>
        <translation>%1 on %2 (%3)</translation>
    </message>
</context>
<context>
    <name>HomeRowPicture</name>
    <message>
        <source>左小指</source>
        <translation>L little</translation>
    </message>
    <message>
        <source>左无名指</source>
        <translation>L ring</translation>
    </message>
    <message>
        <source>左中指</source>
        <translation>L middle</translation>
    </message>
    <message>
        <source>左食指</source>
        <translation>L index</translation>
    </message>
    <message>
        <source>右食指</source>
        <translation>R index</translation>
    </message>
    <message>
        <source>右中指</source>
        <translation>R middle</translation>
    </message>
    <message>
        <source>右无名指</source>
        <translation>R ring</translation>
    </message>
    <message>
        <source>右小指</source>
        <translation>R little</translation>
    </message>
    <message>
        <source>手指在基本键上的位置图</source>
        <translation>Where the fingers rest on the home row</translation>
    </message>
    <message>
        <source>左手小指、无名指、中指、食指依次放在A、S、D、F键上，右手食指、中指、无名指、小指依次放在J、K、L和分号键上，两个大拇指放在空格键上。F和J键上有小凸起。</source>
        <translation>The left little, ring, middle and index fingers rest on A, S, D and F; the right index, middle, ring and little fingers on J, K, L and the semicolon; both thumbs on the space bar. F and J have small bumps.</translation>
    </message>
    <message>
        <source>空格：两个大拇指</source>
        <translation>Space: both thumbs</translation>
    </message>
</context>
<context>
    <name>KeyChartView</name>
    <message>
        <source>字根键盘图</source>
        <translation>Wubi radical key chart</translation>
    </message>
    <message>
        <source>%1；按错的键：%2</source>
        <translation>%1; wrong key: %2</translation>
    </message>
</context>
<context>
    <name>KeyboardView</name>
    <message>
        <source>左手小指</source>
        <translation>left little finger</translation>
    </message>
    <message>
        <source>左手无名指</source>
        <translation>left ring finger</translation>
    </message>
    <message>
        <source>左手中指</source>
        <translation>left middle finger</translation>
    </message>
    <message>
        <source>左手食指</source>
        <translation>left index finger</translation>
    </message>
    <message>
        <source>右手食指</source>
        <translation>right index finger</translation>
    </message>
    <message>
        <source>右手中指</source>
        <translation>right middle finger</translation>
    </message>
    <message>
        <source>右手无名指</source>
        <translation>right ring finger</translation>
    </message>
    <message>
        <source>右手小指</source>
        <translation>right little finger</translation>
    </message>
    <message>
        <source>拇指</source>
        <translation>thumb</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>键盘</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>下一个键：%1，%2</source>
        <translation>Next key: %1, %2</translation>
    </message>
    <message>
        <source>，另一只手按上档键</source>
        <translation>, the other hand holds Shift</translation>
    </message>
    <message>
        <source>下一个键：%1&#x3000;手指：%2</source>
        <translation>Next key: %1&#x3000;finger: %2</translation>
    </message>
    <message>
        <source>（加上档键）</source>
        <translation> (with Shift)</translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>界面语言(&amp;L)：</source>
        <translation>Interface &amp;language:</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>As the desktop</translation>
    </message>
    <message>
        <source>界面语言在下次启动本程序时生效。练习的内容不随界面语言改变。</source>
        <translation>The interface language changes at the next start of the program. The texts you practise stay as they are.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Jaxo4.00中文打字练习软件...</source>
        <translation>Jaxo4.00 typing tutor...</translation>
    </message>
    <message>
        <source>欢迎使用Jaxo4.00中英文打字练习软件...</source>
        <translation>Welcome to Jaxo4.00, the Chinese and English typing tutor...</translation>
    </message>
    <message>
        <source>主菜单...</source>
        <translation>Main menu...</translation>
    </message>
    <message>
        <source>词组练习</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>单击此键进入词组练习状态...</source>
        <translation>Click to practise words...</translation>
    </message>
    <message>
        <source>中文测试</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>单击进入中文测试选择菜单...</source>
        <translation>Click to choose a Chinese test...</translation>
    </message>
    <message>
        <source>英文测试</source>
        <translation>English</translation>
    </message>
    <message>
        <source>单击进入英文测试选择菜单...</source>
        <translation>Click to choose an English test...</translation>
    </message>
    <message>
        <source>大学英语</source>
        <translation>College</translation>
    </message>
    <message>
        <source>单击进入大学英文单词选择菜单...</source>
        <translation>Click to choose a college word list...</translation>
    </message>
    <message>
        <source>中文练习</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文练习</source>
        <translation>English</translation>
    </message>
    <message>
        <source> 测   试 </source>
        <translation> Tests </translation>
    </message>
    <message>
        <source> 背 单 词 </source>
        <translation> Vocabulary </translation>
    </message>
    <message>
        <source> 系  统 </source>
        <translation> System </translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>进入帮助系统...</source>
        <translation>Open the help...</translation>
    </message>
    <message>
        <source>入门</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>从哪里开始、手指怎样放、怎样打开输入法...</source>
        <translation>Where to begin, where the fingers go, how to switch the input method on...</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>关于本软件的一点说明...</source>
        <translation>A few words about this program...</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>最小化系统...</source>
        <translation>Minimise the window...</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>单击此键可进行系统设置...</source>
        <translation>Click to change the settings...</translation>
    </message>
    <message>
        <source>成绩记录</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>查看历次练习的成绩、图表和薄弱环节...</source>
        <translation>See past results, charts and weak spots...</translation>
    </message>
    <message>
        <source>退出软件</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>退出系统...</source>
        <translation>Quit the program...</translation>
    </message>
    <message>
        <source>系统提示:</source>
        <translation>Hint:</translation>
    </message>
    <message>
        <source>Jaxo开发组</source>
        <translation>The Jaxo team</translation>
    </message>
    <message>
        <source>帮助:</source>
        <translation>Help:</translation>
    </message>
    <message>
        <source>按F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>键位练习</source>
        <translation>Key maps</translation>
    </message>
    <message>
        <source>练习目标</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>智能练习的目标速度、正确率和实时键盘...</source>
        <translation>Target speed and accuracy of adaptive practice, and the live keyboard...</translation>
    </message>
    <message>
        <source>今日复习</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>今天到期要复习的字、键和单词...</source>
        <translation>The characters, keys and words due for review today...</translation>
    </message>
    <message>
        <source>自定义练习</source>
        <translation>My texts</translation>
    </message>
    <message>
        <source>用自己的文章或单词表练习：从文件导入或粘贴...</source>
        <translation>Practise with your own texts or word lists: import a file or paste...</translation>
    </message>
    <message>
        <source>单击进入五笔智能字根、智能编码练习和全拼、双拼、仓颉、速成、注音的键位练习...</source>
        <translation>Click for adaptive Wubi radicals and codes, and the key maps of Full Pinyin, Shuangpin, Cangjie, Quick and Zhuyin...</translation>
    </message>
    <message>
        <source>英文智能练习</source>
        <translation>Adaptive English</translation>
    </message>
    <message>
        <source>字/分</source>
        <translation>per min</translation>
    </message>
    <message>
        <source>中文智能练习</source>
        <translation>Adaptive Chinese</translation>
    </message>
    <message>
        <source>五笔智能字根练习</source>
        <translation>Wubi: adaptive radicals</translation>
    </message>
    <message>
        <source>个/分</source>
        <translation>per min</translation>
    </message>
    <message>
        <source>五笔智能编码练习</source>
        <translation>Wubi: adaptive codes</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>OwnTexts</name>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
    <message>
        <source>文件 %1 太大（超过 16 MB）。</source>
        <translation>The file %1 is too big (over 16 MB).</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>课文文件 %1 已损坏：%2</source>
        <translation>The lesson file %1 is damaged: %2</translation>
    </message>
    <message>
        <source>它不是 Jaxo 课文文件（第一行应为 jaxo-lesson=1）。</source>
        <translation>It is not a Jaxo lesson file (the first line should be jaxo-lesson=1).</translation>
    </message>
    <message>
        <source>它的课文类型“%1”不认识。</source>
        <translation>Its lesson kind “%1” is unknown.</translation>
    </message>
    <message>
        <source>它缺少课文类型或名称。</source>
        <translation>It lacks the lesson kind or name.</translation>
    </message>
    <message>
        <source>它的正文不是 UTF-8 文本。</source>
        <translation>Its text is not UTF-8.</translation>
    </message>
    <message>
        <source>课文“%1”里没有可以练习的内容。</source>
        <translation>The lesson “%1” has nothing to practise.</translation>
    </message>
    <message>
        <source>没有可以练习的内容，未保存。</source>
        <translation>Nothing to practise; not saved.</translation>
    </message>
    <message>
        <source>我的课文</source>
        <translation>My lesson</translation>
    </message>
    <message>
        <source>名称不能为空。</source>
        <translation>The name cannot be empty.</translation>
    </message>
    <message>
        <source>无法删除文件 %1：%2</source>
        <translation>Cannot delete the file %1: %2</translation>
    </message>
    <message>
        <source>无法导入 %1：%2</source>
        <translation>Cannot import %1: %2</translation>
    </message>
    <message>
        <source>UTF-8（带BOM）</source>
        <translation>UTF-8 (with BOM)</translation>
    </message>
    <message>
        <source>中文课文</source>
        <translation>Chinese lesson</translation>
    </message>
    <message>
        <source>英文课文</source>
        <translation>English lesson</translation>
    </message>
    <message>
        <source>单词表</source>
        <translation>Word list</translation>
    </message>
    <message>
        <source>……等 %1 个</source>
        <translation>... %1 in all</translation>
    </message>
</context>
<context>
    <name>PracticeTabs</name>
    <message>
        <source>左手小指</source>
        <translation>left little finger</translation>
    </message>
    <message>
        <source>左手无名指</source>
        <translation>left ring finger</translation>
    </message>
    <message>
        <source>左手中指</source>
        <translation>left middle finger</translation>
    </message>
    <message>
        <source>左手食指</source>
        <translation>left index finger</translation>
    </message>
    <message>
        <source>右手食指</source>
        <translation>right index finger</translation>
    </message>
    <message>
        <source>右手中指</source>
        <translation>right middle finger</translation>
    </message>
    <message>
        <source>右手无名指</source>
        <translation>right ring finger</translation>
    </message>
    <message>
        <source>右手小指</source>
        <translation>right little finger</translation>
    </message>
    <message>
        <source>拇指</source>
        <translation>thumb</translation>
    </message>
    <message>
        <source>1月</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>2月</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>3月</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>4月</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>5月</source>
        <translation>May</translation>
    </message>
    <message>
        <source>6月</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>7月</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>8月</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>9月</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>10月</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>11月</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>12月</source>
        <translation>Dec</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>学习进度</source>
        <translation>Learning progress</translation>
    </message>
    <message>
        <source>智能练习</source>
        <translation>Adaptive drill</translation>
    </message>
    <message>
        <source>智能练习(&amp;D)：</source>
        <translation>Adaptive &amp;drill:</translation>
    </message>
    <message>
        <source>每一项的速度、正确率和进度</source>
        <translation>Speed, accuracy and progress of each item</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>正确率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>达标</source>
        <translation>On target</translation>
    </message>
    <message>
        <source>重点</source>
        <translation>In focus</translation>
    </message>
    <message>
        <source>练习中</source>
        <translation>Practising</translation>
    </message>
    <message>
        <source>已学 %1/%2，达标 %3；目标 %4 %5、正确率 %6%。全部达标后加入下一个。</source>
        <translation>Learnt %1/%2, %3 on target; target %4 %5, accuracy %6%. The next one joins when all are on target.</translation>
    </message>
</context>
<context>
    <name>RadicalPanel</name>
    <message>
        <source>字根输入</source>
        <translation>Radical input</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1：%2键。%3</source>
        <translation>%1: key %2. %3</translation>
    </message>
    <message>
        <source>错。</source>
        <translation>Wrong. </translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>成绩报告单：</source>
        <translation>Score report</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>关闭成绩单，并返回主界面...</source>
        <translation>Close the report and return to the main screen...</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Scheme</name>
    <message>
        <source>五笔86</source>
        <translation>Wubi 86</translation>
    </message>
    <message>
        <source>全拼</source>
        <translation>Full Pinyin</translation>
    </message>
    <message>
        <source>双拼（小鹤）</source>
        <translation>Shuangpin (Xiaohe)</translation>
    </message>
    <message>
        <source>双拼（自然码）</source>
        <translation>Shuangpin (Ziranma)</translation>
    </message>
    <message>
        <source>仓颉五代</source>
        <translation>Cangjie 5</translation>
    </message>
    <message>
        <source>速成</source>
        <translation>Quick</translation>
    </message>
    <message>
        <source>注音</source>
        <translation>Zhuyin</translation>
    </message>
    <message>
        <source>fcitx5 用“%1”，IBus 用“%2”</source>
        <translation>“%1” in fcitx5, “%2” in IBus</translation>
    </message>
</context>
<context>
    <name>SchemeHints</name>
    <message>
        <source>选第%1个</source>
        <translation>candidate %1</translation>
    </message>
</context>
<context>
    <name>SchemeKeyPanel</name>
    <message>
        <source>逗号</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>句号</source>
        <translation>full stop</translation>
    </message>
    <message>
        <source>分号</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>斜杠</source>
        <translation>slash</translation>
    </message>
    <message>
        <source>减号</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>键位输入</source>
        <translation>Key input</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1：%2键</source>
        <translation>%1: type %2</translation>
    </message>
    <message>
        <source>已打：%1</source>
        <translation>typed: %1</translation>
    </message>
    <message>
        <source>%1：%2键。</source>
        <translation>%1: type %2. </translation>
    </message>
    <message>
        <source>错。</source>
        <translation>Wrong. </translation>
    </message>
    <message>
        <source>智能编码练习找不到高频字表或五笔码表：%1</source>
        <translation>Adaptive codes cannot find the frequent-character list or the Wubi code book: %1</translation>
    </message>
    <message>
        <source>每分钟 %1 个，正确率 %2%</source>
        <translation>%1 a minute, %2% right</translation>
    </message>
    <message>
        <source>还没有成绩</source>
        <translation>no results yet</translation>
    </message>
    <message>
        <source>重点字根「%1」：%2
已学 %3/%4 个，达标 %5&#x3000;目标：每分钟 %6 个字根、正确率 %7%</source>
        <translation>Focus radical “%1”: %2
learnt %3/%4, %5 on target&#x3000;target: %6 radicals a minute, %7% right</translation>
    </message>
    <message>
        <source>重点字「%1」：%2
已学 %3/%4 个，达标 %5&#x3000;目标：每分钟 %6 个编码、正确率 %7%</source>
        <translation>Focus character “%1”: %2
learnt %3/%4, %5 on target&#x3000;target: %6 codes a minute, %7% right</translation>
    </message>
    <message>
        <source>新字根「%1」加入练习</source>
        <translation>New radical “%1” added to the practice</translation>
    </message>
    <message>
        <source>新字「%1」加入练习</source>
        <translation>New character “%1” added to the practice</translation>
    </message>
</context>
<context>
    <name>SchemeKeys</name>
    <message>
        <source>%1键位练习</source>
        <translation>%1 key drill</translation>
    </message>
</context>
<context>
    <name>SchemePage</name>
    <message>
        <source>输入方案</source>
        <translation>Input scheme</translation>
    </message>
    <message>
        <source>练习%1时要打开的输入法：</source>
        <translation>To practise %1, switch on this input method: </translation>
    </message>
    <message>
        <source>课文为繁体字。</source>
        <translation>The lessons are in traditional characters. </translation>
    </message>
    <message>
        <source>课文为简体字。</source>
        <translation>The lessons are in simplified characters. </translation>
    </message>
    <message>
        <source>确定后，中文练习、编码提示和成绩记录都按此方案。</source>
        <translation>After you confirm, Chinese practice, code hints and results all follow this scheme.</translation>
    </message>
</context>
<context>
    <name>ScoreReport</name>
    <message>
        <source>输入:</source>
        <translation>Typed:</translation>
    </message>
    <message>
        <source>个字！</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>正确:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>错误:</source>
        <translation>Wrong:</translation>
    </message>
    <message>
        <source>正确率:</source>
        <translation>Accuracy:</translation>
    </message>
    <message>
        <source>没有输入</source>
        <translation>nothing typed</translation>
    </message>
    <message>
        <source>用时:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>分</source>
        <translation> min </translation>
    </message>
    <message>
        <source>秒！</source>
        <translation> s</translation>
    </message>
    <message>
        <source>成绩:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>个/分钟！</source>
        <translation> per minute</translation>
    </message>
    <message>
        <source>评价:</source>
        <translation>Rating:</translation>
    </message>
    <message>
        <source>你真糟糕,一个字也打不出来!</source>
        <translation>Not a single character typed!</translation>
    </message>
    <message>
        <source>继续努力！</source>
        <translation>Keep at it!</translation>
    </message>
    <message>
        <source>好！</source>
        <translation>Good!</translation>
    </message>
    <message>
        <source>良好！</source>
        <translation>Very good!</translation>
    </message>
    <message>
        <source>优秀！</source>
        <translation>Excellent!</translation>
    </message>
    <message>
        <source>高手！</source>
        <translation>Expert!</translation>
    </message>
    <message>
        <source>有太多的错误，应该继续练习！</source>
        <translation>Too many mistakes: keep practising!</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>练习时间</source>
        <translation>Practice time</translation>
    </message>
    <message>
        <source>测试时间</source>
        <translation>Test time</translation>
    </message>
    <message>
        <source>背单词时间</source>
        <translation>Vocabulary time</translation>
    </message>
    <message>
        <source>系统主音乐</source>
        <translation>Main screen music</translation>
    </message>
    <message>
        <source>中文练习/测试时音乐</source>
        <translation>Music in Chinese practice and tests</translation>
    </message>
    <message>
        <source>英文练习时音乐</source>
        <translation>Music in English practice</translation>
    </message>
    <message>
        <source>测试时音乐</source>
        <translation>Music in tests</translation>
    </message>
    <message>
        <source>背单词时音乐</source>
        <translation>Music in vocabulary</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Key clicks</translation>
    </message>
    <message>
        <source>在桌面创建快捷键</source>
        <translation>Launcher on the desktop</translation>
    </message>
    <message>
        <source>在开始菜单处创建快捷键</source>
        <translation>Launcher in the applications menu</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>“%1”是 %2，已改用 %3</source>
        <translation>“%1” was %2, %3 is used instead</translation>
    </message>
    <message>
        <source>设置文件 %1 中的时间应为 %2～%3 分钟：%4。</source>
        <translation>The times in the settings file %1 must be %2 to %3 minutes: %4.</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>音乐设置</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>快捷键设置</source>
        <translation>Launchers</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>选择界面语言...</source>
        <translation>Choose the interface language...</translation>
    </message>
    <message>
        <source>设置练习时间...</source>
        <translation>Set the practice times...</translation>
    </message>
    <message>
        <source>设置音乐...</source>
        <translation>Set the music...</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>程序将在以上所选地方进行相应的设置。请根
据您的需要进行选择。</source>
        <translation>The program puts its launchers where you tick
above. Choose what suits you.</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>还原系统设置...</source>
        <translation>Restore the default settings...</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>保存设置，返回主界面...</source>
        <translation>Save the settings and return to the main screen...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>取消设置，返回主界面...</source>
        <translation>Discard the changes and return to the main screen...</translation>
    </message>
    <message>
        <source>请在“%1”中填写 %2～%3 之间的分钟数，设置未保存。</source>
        <translation>Enter %2 to %3 minutes in “%1”; the settings were not saved.</translation>
    </message>
    <message>
        <source>界面语言没有保存：%1</source>
        <translation>The interface language was not saved: %1</translation>
    </message>
    <message>
        <source>输入方案</source>
        <translation>Input scheme</translation>
    </message>
    <message>
        <source>选择练习的中文输入方案...</source>
        <translation>Choose the Chinese input scheme to practise...</translation>
    </message>
    <message>
        <source>输入方案未能保存：%1</source>
        <translation>The input scheme was not saved: %1</translation>
    </message>
</context>
<context>
    <name>TargetsDialog</name>
    <message>
        <source>练习目标</source>
        <translation>Practice targets</translation>
    </message>
    <message>
        <source>智能练习里，每个键（或每个字）的速度和正确率都达到目标后，才加入下一个新键；离目标最远的键总在重点练习之中。</source>
        <translation>In adaptive practice, a new key is added only when every key (or character) has reached the target speed and accuracy; the key furthest from the target is always in focus.</translation>
    </message>
    <message>
        <source> 字/分</source>
        <translation> per min</translation>
    </message>
    <message>
        <source>英文目标速度，每分钟字数</source>
        <translation>English target speed, characters per minute</translation>
    </message>
    <message>
        <source>目标正确率，百分比</source>
        <translation>Target accuracy, percent</translation>
    </message>
    <message>
        <source>中文目标速度，每分钟字数</source>
        <translation>Chinese target speed, characters per minute</translation>
    </message>
    <message>
        <source>英文目标速度(&amp;S)：</source>
        <translation>English target &amp;speed:</translation>
    </message>
    <message>
        <source>中文目标速度(&amp;C)：</source>
        <translation>&amp;Chinese target speed:</translation>
    </message>
    <message>
        <source>目标正确率(&amp;A)：</source>
        <translation>Target &amp;accuracy:</translation>
    </message>
    <message>
        <source>练习时显示实时键盘(&amp;K)</source>
        <translation>Show the live &amp;keyboard while practising</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>学习进度(&amp;P)...</source>
        <translation>Learning &amp;progress...</translation>
    </message>
    <message>
        <source>学习进度</source>
        <translation>Learning progress</translation>
    </message>
</context>
<context>
    <name>Today</name>
    <message>
        <source>复习汉字</source>
        <translation>Review characters</translation>
    </message>
    <message>
        <source>复习按键</source>
        <translation>Review keys</translation>
    </message>
    <message>
        <source>复习单词</source>
        <translation>Review words</translation>
    </message>
    <message>
        <source>%1（%2 项到期）</source>
        <translation>%1 (%2 due)</translation>
    </message>
    <message>
        <source>今天有 %1 项到期要复习：汉字 %2，按键 %3，单词 %4...</source>
        <translation>%1 items due for review today: %2 characters, %3 keys, %4 words...</translation>
    </message>
    <message>
        <source>今天没有到期要复习的字、键或单词...</source>
        <translation>No characters, keys or words are due for review today...</translation>
    </message>
    <message>
        <source>复习 %1</source>
        <translation>Review %1</translation>
    </message>
    <message>
        <source>今日复习</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>每日目标在 成绩记录 的 日历 页设置</source>
        <translation>Set the daily goal on the “Calendar and goal” page of “Results”</translation>
    </message>
</context>
<context>
    <name>TypingLine</name>
    <message>
        <source>空格</source>
        <translation>space</translation>
    </message>
    <message>
        <source>半个字</source>
        <translation>half a character</translation>
    </message>
    <message>
        <source>本页完</source>
        <translation>end of page</translation>
    </message>
    <message>
        <source>本行完</source>
        <translation>end of line</translation>
    </message>
    <message>
        <source>应为%1</source>
        <translation>expected %1</translation>
    </message>
    <message>
        <source>应为%1，打成%2</source>
        <translation>expected %1, typed %2</translation>
    </message>
    <message>
        <source>错：%1</source>
        <translation>wrong: %1</translation>
    </message>
    <message>
        <source>下一个：%1</source>
        <translation>next: %1</translation>
    </message>
    <message>
        <source>第%1行输入</source>
        <translation>Line %1 input</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>欢迎使用Jaxo4.00</source>
        <translation>Welcome to Jaxo4.00</translation>
    </message>
    <message>
        <source>欢迎！第一次使用，先花一分钟看看这几件事。</source>
        <translation>Welcome! As this is your first time, take a minute to read these few things.</translation>
    </message>
    <message>
        <source>从哪里开始</source>
        <translation>Where to begin</translation>
    </message>
    <message>
        <source>学五笔：先在“中文练习”标签页上做“字根练习”，记熟每个键上的字根，再练“高频字”和“二级简码”。学英文指法：从“英文练习”标签页上的“英文初级”开始。想知道自己打得多快，就到“测 试”标签页。</source>
        <translation>Learning Wubi: begin with the “Radicals” on the “Chinese” tab until you know the radicals of every key, then practise “Frequent” and “2-key”. Learning English fingering: begin with “Beginner” on the “English” tab. To find out how fast you type, go to the “Tests” tab.</translation>
    </message>
    <message>
        <source>手指放在基本键上</source>
        <translation>Fingers on the home row</translation>
    </message>
    <message>
        <source>左手四指放在 A S D F 上，右手四指放在 J K L ; 上，两个大拇指轻放在空格键上。F 和 J 键上有小凸起，不看键盘也能摸到。每打完一个键，手指回到这一排。</source>
        <translation>Rest the four fingers of the left hand on A S D F and those of the right hand on J K L ;, both thumbs lightly on the space bar. F and J have small bumps you can feel without looking. After each key, the finger returns to this row.</translation>
    </message>
    <message>
        <source>打开五笔输入法</source>
        <translation>Switching on the Wubi input method</translation>
    </message>
    <message>
        <source>中文练习要用五笔输入法打字：fcitx5 按 Ctrl+空格 打开或关闭，IBus 按 Super+空格 切换。还没有装五笔输入法时，请看帮助里的“打开五笔输入法”。英文练习、字根练习和背单词不用输入法。</source>
        <translation>Chinese practice is typed with a Wubi input method: Ctrl+Space switches it on and off in fcitx5, Super+Space in IBus. If no Wubi input method is installed yet, see “Switching on Wubi” in the help. English practice, the radical drill and vocabulary need no input method.</translation>
    </message>
    <message>
        <source>成绩记在哪里</source>
        <translation>Where your results are kept</translation>
    </message>
    <message>
        <source>每次打过字的练习都记入“系 统”标签页上的“成绩记录”：历次成绩、速度和正确率的图表、最常打错的字和单词，还可以专门练它们。记录保存在您自己的文件夹里（~/.local/share/jaxo/history.sqlite）。这个窗口以后可以从“系 统”标签页上的“入门”再打开。</source>
        <translation>Every exercise you type in is kept in “Results” on the “System” tab: past scores, charts of speed and accuracy, the characters and words you miss most, with practices made of them. The record is kept in your own folder (~/.local/share/jaxo/history.sqlite). You can open this window again later with “Welcome” on the “System” tab.</translation>
    </message>
    <message>
        <source>打开帮助(&amp;H)</source>
        <translation>Open the &amp;help</translation>
    </message>
    <message>
        <source>开始练习(&amp;O)</source>
        <translation>Start practising (&amp;O)</translation>
    </message>
</context>
<context>
    <name>WordPanel</name>
    <message>
        <source>单词输入</source>
        <translation>Word input</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>对</source>
        <translation>right</translation>
    </message>
    <message>
        <source>错</source>
        <translation>wrong</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>成绩记录服务器 %1 正在连接，还没有回应</source>
        <translation>Connecting to the results server %1; no answer yet</translation>
    </message>
    <message>
        <source>无法连接成绩记录服务器 %1（%2）</source>
        <translation>Cannot connect to the results server %1 (%2)</translation>
    </message>
    <message>
        <source>%1；这里先显示本机文件里的记录，学员 %2</source>
        <translation>%1; showing the results in the local file meanwhile, learner %2</translation>
    </message>
    <message>
        <source>成绩记录窗口只读取，不写入</source>
        <translation>The results window only reads, never writes</translation>
    </message>
    <message>
        <source>成绩记录服务器 %1 在%2毫秒内没有回应</source>
        <translation>The results server %1 did not answer within %2 ms</translation>
    </message>
    <message>
        <source>成绩没有记入 %1：%2</source>
        <translation>The score was not recorded in %1: %2</translation>
    </message>
    <message>
        <source>读取 %1 时出错：%2</source>
        <translation>Error reading %1: %2</translation>
    </message>
    <message>
        <source>成绩记录文件 %1：%2</source>
        <translation>Results file %1: %2</translation>
    </message>
    <message>
        <source>(无法识别的地址)</source>
        <translation>(address not understood)</translation>
    </message>
    <message>
        <source>成绩记录文件 %1 已损坏（%2），已原样改名为 %3，另建了一个新的记录文件</source>
        <translation>The results file %1 is damaged (%2); it was renamed, unchanged, to %3 and a new one was started</translation>
    </message>
    <message>
        <source>%1 不是本程序的成绩记录文件：%2。本程序不改动它</source>
        <translation>%1 is not a results file of this program: %2. The program leaves it alone</translation>
    </message>
    <message>
        <source>成绩记录文件 %1 现在无法写入：%2。文件原样保留</source>
        <translation>The results file %1 cannot be written now: %2. The file is left as it is</translation>
    </message>
    <message>
        <source>成绩记录无法保存：%1</source>
        <translation>The results cannot be saved: %1</translation>
    </message>
    <message>
        <source>不是 postgresql:// 地址</source>
        <translation>not a postgresql:// address</translation>
    </message>
    <message>
        <source>没有 PostgreSQL 驱动（QPSQL）</source>
        <translation>no PostgreSQL driver (QPSQL)</translation>
    </message>
    <message>
        <source>成绩记录服务器 %1：%2</source>
        <translation>Results server %1: %2</translation>
    </message>
    <message>
        <source>无法连接成绩记录服务器 %1（%2），成绩改记在本机文件 %3</source>
        <translation>Cannot connect to the results server %1 (%2); scores go to the local file %3</translation>
    </message>
    <message>
        <source>成绩记录恢复正常：暂存的%1次成绩已记入 %2</source>
        <translation>Recording works again: the %1 scores held back were written to %2</translation>
    </message>
    <message>
        <source>这%1次成绩先留在内存中，记录恢复后自动写入；在那之前退出本程序，它们就会丢失</source>
        <translation>These %1 scores are held in memory and written once recording works again; quitting the program before then loses them</translation>
    </message>
    <message>
        <source>无法连接成绩记录服务器 %1（%2），成绩先记在本机文件 %3，服务器恢复后自动补送</source>
        <translation>Cannot connect to the results server %1 (%2); scores go to the local file %3 and are sent when the server is back</translation>
    </message>
    <message>
        <source>成绩记录服务器 %1 恢复连接：本机暂存的%2次成绩已补送</source>
        <translation>The results server %1 is back: the %2 scores kept locally were sent</translation>
    </message>
    <message>
        <source>成绩记录服务器 %1 恢复连接</source>
        <translation>The results server %1 is back</translation>
    </message>
    <message>
        <source>其中是别的程序的表（%1），不是本程序的成绩记录</source>
        <translation>it holds another program&apos;s tables (%1), not this program&apos;s results</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>其中的表不是本程序建的（没有本程序的版本标记）</source>
        <translation>its tables were not made by this program (no version mark of this program)</translation>
    </message>
    <message>
        <source>它由本程序较新的版本写入（数据版本%1，这一版是%2），这一版只读取，不写入</source>
        <translation>it was written by a newer version of this program (data version %1, this one is %2); this version only reads it</translation>
    </message>
    <message>
        <source>它不完整：缺少 %1 表</source>
        <translation>it is incomplete: the table %1 is missing</translation>
    </message>
    <message>
        <source>它不完整：%1 表缺少 %2 列</source>
        <translation>it is incomplete: the table %1 lacks the columns %2</translation>
    </message>
    <message>
        <source>它的 %1 表有这一版不会填写的列 %2，这一版只读取，不写入</source>
        <translation>its table %1 has columns this version does not fill (%2); this version only reads it</translation>
    </message>
    <message>
        <source>不是程序库文件</source>
        <translation>not a library file</translation>
    </message>
    <message>
        <source>不是这台电脑的程序库</source>
        <translation>not a library for this computer</translation>
    </message>
    <message>
        <source>文件不完整（只有%1字节）</source>
        <translation>the file is incomplete (only %1 bytes)</translation>
    </message>
    <message>
        <source>文件读不全</source>
        <translation>the file cannot be read whole</translation>
    </message>
    <message>
        <source>成绩记录窗口打不开：找不到它的模块文件%1，请重新安装本程序</source>
        <translation>The results window cannot open: its module file %1 is missing. Please reinstall the program</translation>
    </message>
    <message>
        <source>成绩记录窗口打不开：模块文件%1已损坏（%2），请重新安装本程序</source>
        <translation>The results window cannot open: its module file %1 is damaged (%2). Please reinstall the program</translation>
    </message>
    <message>
        <source>成绩记录窗口打不开：模块文件%1无法载入（%2），请重新安装本程序</source>
        <translation>The results window cannot open: its module file %1 cannot be loaded (%2). Please reinstall the program</translation>
    </message>
    <message>
        <source>成绩记录窗口打不开：模块文件%1不是本程序这一版的模块，请重新安装本程序</source>
        <translation>The results window cannot open: the module file %1 is not this version&apos;s. Please reinstall the program</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message numerus="yes">
        <source>%n次</source>
        <translation>
            <numerusform>%n time</numerusform>
            <numerusform>%n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n次，错误率%1</source>
        <translation>
            <numerusform>%n time, error rate %1</numerusform>
            <numerusform>%n times, error rate %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>history::CalendarGrid</name>
    <message>
        <source>练习日历</source>
        <translation>Practice calendar</translation>
    </message>
    <message>
        <source>最近 %1 周里练习了 %2 天，共 %3 分钟。用方向键选日子。</source>
        <translation>Practised on %2 days in the last %1 weeks, %3 minutes in all. Choose a day with the arrow keys.</translation>
    </message>
    <message>
        <source>%1：没有练习</source>
        <translation>%1: no practice</translation>
    </message>
    <message>
        <source>%1：练习 %2 分钟，%3 次，打了 %4 字</source>
        <translation>%1: practised %2 minutes, %3 sessions, typed %4 characters</translation>
    </message>
    <message>
        <source>，达到每日目标</source>
        <translation>, daily goal reached</translation>
    </message>
    <message>
        <source>一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Sun</translation>
    </message>
</context>
<context>
    <name>history::KeyHeatMap</name>
    <message>
        <source>打错的键（键盘热图）</source>
        <translation>Mistyped keys (keyboard heat map)</translation>
    </message>
    <message>
        <source>%1 %2次</source>
        <translation>%1: %2 times</translation>
    </message>
    <message>
        <source>最近没有打错的键。</source>
        <translation>No mistyped keys lately.</translation>
    </message>
    <message>
        <source>最近打错的键：</source>
        <translation>Keys mistyped lately: </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
</context>
<context>
    <name>history::PracticeTabs</name>
    <message>
        <source>颜色越深练得越久：不到 15 分钟、不到 30 分钟、不到 1 小时、1 小时以上；白点：达到每日目标。</source>
        <translation>The darker, the longer the practice: under 15 minutes, under 30 minutes, under 1 hour, 1 hour or more; white dot: daily goal reached.</translation>
    </message>
    <message>
        <source>每日目标(&amp;O):</source>
        <translation>Daily g&amp;oal:</translation>
    </message>
    <message>
        <source>每日目标的数量</source>
        <translation>Amount of the daily goal</translation>
    </message>
    <message>
        <source>每日目标的单位</source>
        <translation>Unit of the daily goal</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>字</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>练习日历，</source>
        <translation>Practice calendar, </translation>
    </message>
    <message>
        <source>最常见的打错：应打的与打成的</source>
        <translation>Most common mistakes: what was expected and what was typed</translation>
    </message>
    <message>
        <source>应打</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>打成</source>
        <translation>Typed</translation>
    </message>
    <message>
        <source>次数</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>每日目标没有保存：%1</source>
        <translation>The daily goal was not saved: %1</translation>
    </message>
    <message>
        <source>今天还没有练习，练一次就开始连续天数。</source>
        <translation>No practice yet today: one session starts a streak.</translation>
    </message>
    <message>
        <source>最近 %1 次练习各手指打错的键：</source>
        <translation>Mistyped keys per finger in the last %1 sessions: </translation>
    </message>
    <message>
        <source>还没有。</source>
        <translation>none yet.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>已连续练习 %n 天。</source>
        <translation>
            <numerusform>Practised %n day in a row.</numerusform>
            <numerusform>Practised %n days in a row.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>livefigures</name>
    <message>
        <source>速度 %1 个/分（目标 %2）</source>
        <translation>Speed %1 per min (target %2)</translation>
    </message>
    <message>
        <source>速度 —（目标 %1 个/分）</source>
        <translation>Speed — (target %1 per min)</translation>
    </message>
    <message>
        <source>正确率 %1%（目标 %2%）</source>
        <translation>Accuracy %1% (target %2%)</translation>
    </message>
    <message>
        <source>正确率 —（目标 %1%）</source>
        <translation>Accuracy — (target %1%)</translation>
    </message>
    <message>
        <source>达标</source>
        <translation>on target</translation>
    </message>
    <message>
        <source>未达标</source>
        <translation>below target</translation>
    </message>
</context>
<context>
    <name>owntexts::ImportDialog</name>
    <message>
        <source>新建自定义课文</source>
        <translation>New lesson of your own</translation>
    </message>
    <message>
        <source>课文名称</source>
        <translation>Lesson name</translation>
    </message>
    <message>
        <source>名称(&amp;N):</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>文件编码</source>
        <translation>File encoding</translation>
    </message>
    <message>
        <source>编码(&amp;E):</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>检测到的编码：%1</source>
        <translation>Detected encoding: %1</translation>
    </message>
    <message>
        <source>课文类型</source>
        <translation>Lesson kind</translation>
    </message>
    <message>
        <source>类型(&amp;K):</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>要导入的文本</source>
        <translation>Text to import</translation>
    </message>
    <message>
        <source>文件内容预览</source>
        <translation>Preview of the file</translation>
    </message>
    <message>
        <source>把课文或单词表粘贴到这里（单词表每行一个单词和它的释义，用 Tab 或空格隔开）</source>
        <translation>Paste a lesson or a word list here (a word list has one word and its meaning a line, separated by a Tab or spaces)</translation>
    </message>
    <message>
        <source>文本(&amp;T):</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>预览(&amp;P):</source>
        <translation>&amp;Preview:</translation>
    </message>
    <message>
        <source>导入说明</source>
        <translation>Import notes</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>
……（预览到此为止，全文共 %1 个字符）</source>
        <translation>
... (the preview ends here; the whole text has %1 characters)</translation>
    </message>
    <message>
        <source>这个文件不是 %1 文本：第 %2 字节起无法按这种编码读出。请选择别的编码；不会保存任何内容。</source>
        <translation>This file is not %1 text: from byte %2 on it cannot be read in this encoding. Please choose another encoding; nothing will be saved.</translation>
    </message>
    <message>
        <source>没有可以练习的内容。</source>
        <translation>Nothing to practise.</translation>
    </message>
    <message>
        <source>将保存 %1 个词条。</source>
        <translation>%1 entries will be saved.</translation>
    </message>
    <message>
        <source>将保存 %1 个字符。</source>
        <translation>%1 characters will be saved.</translation>
    </message>
    <message>
        <source>%1 行没有“单词 + 释义”，不会保存（单词只能是英文字母和符号，与释义之间用 Tab 或空格隔开）。</source>
        <translation>%1 lines have no “word + meaning” and will not be saved (a word may only have English letters and symbols, separated from its meaning by a Tab or spaces).</translation>
    </message>
    <message>
        <source>以下汉字在编码表中查不到编码，练习时提示栏不显示它们的编码：%1</source>
        <translation>These characters have no code in the code table, so the hint bar shows no code for them: %1</translation>
    </message>
    <message>
        <source>以下字符在这种练习中无法输入，将被删去：%1</source>
        <translation>These characters cannot be typed in this kind of practice and will be removed: %1</translation>
    </message>
</context>
<context>
    <name>owntexts::OwnTextsDialog</name>
    <message>
        <source>自定义练习</source>
        <translation>Own texts</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>我的课文</source>
        <translation>My lessons</translation>
    </message>
    <message>
        <source>我的课文(&amp;L):</source>
        <translation>My &amp;lessons:</translation>
    </message>
    <message>
        <source>还没有自定义课文。用“从文件导入”或“粘贴文本”新建一篇：中文课文、英文课文或单词表。</source>
        <translation>No lessons of your own yet. Make one with “Import from file” or “Paste text”: a Chinese lesson, an English lesson or a word list.</translation>
    </message>
    <message>
        <source>开始练习(&amp;S)</source>
        <translation>&amp;Start practising</translation>
    </message>
    <message>
        <source>从文件导入(&amp;F)...</source>
        <translation>Import from &amp;file...</translation>
    </message>
    <message>
        <source>粘贴文本(&amp;P)...</source>
        <translation>&amp;Paste text...</translation>
    </message>
    <message>
        <source>重命名(&amp;R)...</source>
        <translation>&amp;Rename...</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>导出(&amp;E)...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>导入课文文件(&amp;I)...</source>
        <translation>&amp;Import lesson file...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1（%2，%3）</source>
        <translation>%1 (%2, %3)</translation>
    </message>
    <message>
        <source>从文件导入课文或单词表</source>
        <translation>Import a lesson or word list from a file</translation>
    </message>
    <message>
        <source>文本文件 (*.txt);;所有文件 (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
    <message>
        <source>文件 %1 太大（超过 16 MB），没有导入。</source>
        <translation>The file %1 is too big (over 16 MB); it was not imported.</translation>
    </message>
    <message>
        <source>无法识别文件 %1 的编码：它不是完整的 UTF-8、UTF-16 或 GB18030 文本（可能已损坏，或是别的编码）。没有保存任何内容。</source>
        <translation>Cannot tell the encoding of the file %1: it is not complete UTF-8, UTF-16 or GB18030 text (it may be damaged or in another encoding). Nothing was saved.</translation>
    </message>
    <message>
        <source>新名称：</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除课文“%1”吗？删除后无法恢复。</source>
        <translation>Delete the lesson “%1”? This cannot be undone.</translation>
    </message>
    <message>
        <source>导出课文</source>
        <translation>Export lesson</translation>
    </message>
    <message>
        <source>Jaxo 课文 (*.lesson)</source>
        <translation>Jaxo lessons (*.lesson)</translation>
    </message>
    <message>
        <source>导入课文文件</source>
        <translation>Import lesson file</translation>
    </message>
    <message>
        <source>Jaxo 课文 (*.lesson);;所有文件 (*)</source>
        <translation>Jaxo lessons (*.lesson);;All files (*)</translation>
    </message>
</context>
<context>
    <name>schemedrill</name>
    <message>
        <source>全拼</source>
        <translation>Full Pinyin</translation>
    </message>
    <message>
        <source>全拼键位图：声母与韵母从哪个键打起</source>
        <translation>Full Pinyin key map: which key each initial and final starts on</translation>
    </message>
    <message>
        <source>声母</source>
        <translation>initial</translation>
    </message>
    <message>
        <source>韵母，ü 用 V 键</source>
        <translation>final, ü on the V key</translation>
    </message>
    <message>
        <source>韵母</source>
        <translation>final</translation>
    </message>
    <message>
        <source>零声母：%1</source>
        <translation>zero initial: %1</translation>
    </message>
    <message>
        <source>声母 %1 → %2，韵母 %3 → %4</source>
        <translation>initial %1 → %2, final %3 → %4</translation>
    </message>
    <message>
        <source>辅助字形：%1</source>
        <translation>auxiliary shapes: %1</translation>
    </message>
    <message>
        <source>注音</source>
        <translation>Zhuyin</translation>
    </message>
    <message>
        <source>注音键位图：大千式键盘上的注音符号和声调</source>
        <translation>Zhuyin key map: the Zhuyin symbols and tones on the Dachen keyboard</translation>
    </message>
    <message>
        <source>介音</source>
        <translation>medial</translation>
    </message>
    <message>
        <source>声调</source>
        <translation>tone</translation>
    </message>
    <message>
        <source>仓颉五代</source>
        <translation>Cangjie 5</translation>
    </message>
    <message>
        <source>仓颉键位图：字母键上的字根和辅助字形</source>
        <translation>Cangjie key map: the radicals and auxiliary shapes on the letter keys</translation>
    </message>
    <message>
        <source>速成</source>
        <translation>Quick</translation>
    </message>
    <message>
        <source>速成键位图：字母键上的仓颉字根和辅助字形</source>
        <translation>Quick key map: the Cangjie radicals and auxiliary shapes on the letter keys</translation>
    </message>
    <message>
        <source>五笔字根</source>
        <translation>Wubi radicals</translation>
    </message>
    <message>
        <source>五笔字根键位图：每个键上的字根</source>
        <translation>Wubi radical chart: the radicals on each key</translation>
    </message>
    <message>
        <source>五笔编码</source>
        <translation>Wubi codes</translation>
    </message>
    <message>
        <source>简码 %1 加空格也对</source>
        <translation>short code %1 and Space is right too</translation>
    </message>
    <message>
        <source>双拼（小鹤）</source>
        <translation>Shuangpin (Xiaohe)</translation>
    </message>
    <message>
        <source>小鹤双拼键位图：每个键上的声母和韵母</source>
        <translation>Xiaohe Shuangpin key map: the initials and finals on each key</translation>
    </message>
    <message>
        <source>双拼（自然码）</source>
        <translation>Shuangpin (Ziranma)</translation>
    </message>
    <message>
        <source>自然码双拼键位图：每个键上的声母和韵母</source>
        <translation>Ziranma Shuangpin key map: the initials and finals on each key</translation>
    </message>
</context>
</TS>
