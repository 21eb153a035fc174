<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppSettings</name>
    <message>
        <source>Your settings could not be saved: %1.

The settings stored before are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckedSave</name>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written to its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalTimer</name>
    <message>
        <source>Your goal starting date has been set for the future</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should have achieved %1%. You have actually achieved %2%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalsFormat</name>
    <message>
        <source>the goal name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the starting date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ending date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the achieved mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the achieved percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a comma was expected after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line goes on after the achieved percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not enclosed in double quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a date such as #2024-03-01#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the goal &quot;%1&quot; contains a double quote, which the goals file cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the goal &quot;%1&quot; has no date the goals file can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the goal &quot;%1&quot; has an achieved percentage outside 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalsScreen</name>
    <message>
        <source>… (name cut here for the list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting date can&apos;t be same or later than ending date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal name can&apos;t be blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal name and description can&apos;t contain double quotes (&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the goal to update in the list, or press &quot;Set New Goals&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of the goals file &quot;%1&quot; could not be read: from line %2 on, %3.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No goal could be read before that line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %n goal(s) before that line are shown.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>

The original file was kept as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

No copy of the original file could be kept (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> So that nothing is lost, your goals will not be saved over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the goals file could not be read whole and no copy of it could be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goals file &quot;%1&quot; could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

So that nothing is lost, your goals will not be saved over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the goals file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your goals could not be saved to &quot;%1&quot;: %2.

The goals file was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Current Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Achieved Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is important to set goals and targets to be able to see and measure your achievements. This seemingly small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, focussed and dedicated mindset towards fulfilling your aims in life. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Of Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description Of Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Starting Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Ending Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select  Achieved Percentage Of Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Day(s) To Achieve Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day(s) Remaining To Achieve Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set New Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save / Update Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Selected Goals As Achieved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Cards: the next card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Cards: the previous card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z or double-click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A large view of the card picture that has the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Test, meanings: choose the meaning in that place, counted from the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 9 and 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Test, keywords: tick or untick a keyword of the left column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A to J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Test, keywords: tick or untick a keyword of the right column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Test: the next question, once an answer stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the large view and the small windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next or previous control; Enter or Space opens a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemorizeView</name>
    <message>
        <source>
[Cut here: the text holds %1 characters.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Meaning :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords (same for both)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Me</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Card picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, upside down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click or press Z for a large view</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meanings to choose from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords to choose from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>Save Current Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text file|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveWhole</name>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings store refused the value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Run on Windows Start-Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a very important setting. Remember that if you want to get the most benefit from this program then you must have it running at all times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is also important that you keep your goals in mind, hence starting in system tray will be a deterrent to those goals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 opening key
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 setting key
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyObjectives</name>
    <message>
        <source>Select Objectives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentacles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you can select the cards you want to practice / memorize. You can change these whenever you want or when you have cleared one objective.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since the keywords for both upright &amp; reversed are the same, during keyword test, reversed or upright will not be taken into account. Also during the memorizing process everything - upright, reversed &amp; keywords - are shown in one screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestOptions</name>
    <message>
        <source>Test Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option applies only when taking the test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can choose to take the test based on keywords or descriptions. It is important to remember that when doing an actual reading, the meaning of the card changes  depending upon the question asked. So knowing the keywords related to a particular card is more important. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you can choose the level of difficulty while taking a test. The difficulty increases with each level.   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestRun</name>
    <message>
        <source>There are no cards to test: the chosen objectives select no card of the card database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select at least one option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestScreen</name>
    <message>
        <source>The meaning of a card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must choose 3 keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must choose %1 keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can select only %1 keywords.<byte value="xd"/>
Please unselect one before selecting another keyword</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Lumenrest is an educational tool for learning the basics of tarot card reading. This software is an extremely simple program preferred by beginners who want to learn to read the %1 Deck. The program also includes a Goal Reminder which helps the user set goals that he intends to achieve and keep reminding him about them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Study a few cards at a time, test yourself often, and the whole deck will soon be yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card pictures are scans of the first edition of the Rider-Waite-Smith deck, published in December 1909 by William Rider &amp; Son, London. The artwork was drawn by Pamela Colman Smith (1878-1951) to the design of Arthur Edward Waite. It is in the public domain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> My Personal Goal </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Settings       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Memorize Cards  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      Take Test     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       Results        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-Brand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here for more info on Co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Meaning / Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Current Settings As Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;My Personal Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required files missing. Please reinstall %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select at least one option.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNagScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellacourt Softwares, such as this can be created and maintained only with your support. The best way to support Vellacourt is to visit Vellacourt regularly and take part in the discussions and other activities on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Vellacourt regularly. Support Vellacourt by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Vellacourt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellacourt is a FREE online discussion forum for all things mystic. To help Vellacourt develop and maintain this software visit Vellacourt regularly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellacourt needs your help. All you need to do is visit Vellacourt regularly and take part in the various discussions and activites to help us maintain and develop more Vellacourt Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modDB</name>
    <message>
        <source>The card database &quot;%1&quot; was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be opened. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged or is not a database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database could not run &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not run &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database could not read the rows of &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filter &quot;%1&quot; is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; does not exist in the rows of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no current row in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These rows cannot be saved: the query names no table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database could not save the row: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database could not save the row: it is no longer in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged, is not a card database, or was made with another key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database could not take value %1 of the row: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not run the query &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be used: its card table has no column &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modGoals</name>
    <message>
        <source>the file could not be read to its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many copies already exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>progress::ProgressStore</name>
    <message>
        <source>it was written by a newer version of Lumenrest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Lumenrest progress file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is read-only; your answers are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the progress file &quot;%1&quot; cannot be created; your answers are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is damaged and cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; cannot be used (%2); your answers are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; was written by a newer version of Lumenrest; your answers are not saved in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Lumenrest progress file; your answers are not saved in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is damaged and could not be set aside; your answers are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; was damaged. It is kept as &quot;%2&quot;; a new progress file was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An answer could not be saved in the progress file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end of a test could not be saved in the progress file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no progress to back up yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress could not be backed up: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be restored: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be restored: it is damaged or is not a progress file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of &quot;%1&quot; cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is in use by another copy of Lumenrest; close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; could not be set aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be moved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
